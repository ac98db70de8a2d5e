#pragma once

#include "common/interaction/font_chooser.h"

#include <QPointer>
#include <QWidget>

namespace vermil {

// The font chooser of the windows: QFontDialog.
class DialogFontChooser : public FontChooser {
public:
    explicit DialogFontChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    std::optional<ChosenFont> chooseFont(const FontRequest& request) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace vermil
