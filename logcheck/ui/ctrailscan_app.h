#pragma once

#include "widgets/qt_translation.h"

#include <QApplication>

#include <optional>
#include <string>

namespace vermil {

// The log checker's application: shows the dialog modally and ends when it closes.
class CtrailscanApp {
public:
    CtrailscanApp(int& argc, char** argv);
    // `logPath` (from the command line) replaces the stored path.
    int run(const std::optional<std::string>& logPath);

private:
    QApplication application_;
    QtTranslation qtTranslation_;
};

} // namespace vermil
