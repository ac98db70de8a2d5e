#pragma once

#include "common/interaction/colour_chooser.h"

#include <QPointer>
#include <QWidget>

namespace vermil {

// The colour chooser of the windows: QColorDialog, 24-bit colours.
class DialogColourChooser : public ColourChooser {
public:
    explicit DialogColourChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    std::optional<std::uint32_t> chooseColour(std::uint32_t current, const QString& title) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace vermil
