#include "dialog_font_chooser.h"

#include <QApplication>
#include <QFontDialog>

namespace vermil {

std::optional<ChosenFont> DialogFontChooser::chooseFont(const FontRequest& request) {
    QFont initial(request.family);
    if (request.pointSize > 0)
        initial.setPointSize(request.pointSize);
    initial.setWeight(request.bold ? QFont::Bold : QFont::Normal);
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, initial, parent_ ? parent_.data() : QApplication::activeWindow());
    if (!ok)
        return std::nullopt;
    return ChosenFont{chosen.family(), chosen.pointSize(), chosen.weight()};
}

} // namespace vermil
