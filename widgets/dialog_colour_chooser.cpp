#include "dialog_colour_chooser.h"

#include <QApplication>
#include <QColorDialog>

namespace vermil {

std::optional<std::uint32_t> DialogColourChooser::chooseColour(std::uint32_t current,
                                                               const QString& title) {
    const QColor initial(int(current & 0xFF), int((current >> 8) & 0xFF),
                         int((current >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(
        initial, parent_ ? parent_.data() : QApplication::activeWindow(), title);
    if (!chosen.isValid())
        return std::nullopt;
    return std::uint32_t(chosen.red()) | std::uint32_t(chosen.green()) << 8 |
           std::uint32_t(chosen.blue()) << 16;
}

} // namespace vermil
