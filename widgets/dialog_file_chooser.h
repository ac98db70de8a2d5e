#pragma once

#include "common/interaction/file_chooser.h"

#include <QPointer>
#include <QWidget>

namespace vermil {

// The file chooser of the windows: a QFileDialog set up from the choice.
class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    std::optional<QString> chooseFile(const FileChoice& choice) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace vermil
