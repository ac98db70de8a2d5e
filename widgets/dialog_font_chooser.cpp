#include "dialog_font_chooser.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>

#include <algorithm>

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
    // A face with no bold style of its own (the IPA faces) offers no bold in the dialog,
    // and its answer would clear the flag it was opened with; the seal draws such a face
    // bold by widening, so the flag stays as it was.
    const QStringList styles = QFontDatabase::styles(chosen.family());
    const bool boldOffered = std::any_of(styles.cbegin(), styles.cend(), [&](const QString& style) {
        return QFontDatabase::weight(chosen.family(), style) >= QFont::DemiBold;
    });
    int weight = chosen.weight();
    if (!boldOffered && chosen.family() == request.family)
        weight = request.bold ? QFont::Bold : QFont::Normal;
    return ChosenFont{chosen.family(), chosen.pointSize(), weight};
}

} // namespace vermil
