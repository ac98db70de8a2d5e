#pragma once

#include <QDialog>

class QPushButton;

namespace vermil {

// The version box: the program's title, version and release date, its icon and Close.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QPushButton* closeButton() const { return close_; }

private:
    QPushButton* close_ = nullptr;
};

} // namespace vermil
