#pragma once

#include "stamper/view/main_frame_texts.h"

#include <QDialog>

class QLabel;

namespace vermil {

// The version box: program name, version, supported systems, OK.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(Language language, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return version_; }

private:
    QLabel* version_ = nullptr;
};

} // namespace vermil
