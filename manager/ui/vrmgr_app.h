#pragma once

#include "widgets/qt_translation.h"

#include <QApplication>

namespace vermil {

// The manager's application: finds the hanko folder, starts the main dialog's
// model (WARNING 345 when there is no index) and shows the main dialog modally.
class VrmgrApp {
public:
    VrmgrApp(int& argc, char** argv);
    int run();

private:
    QApplication application_;
    QtTranslation qtTranslation_;
};

} // namespace vermil
