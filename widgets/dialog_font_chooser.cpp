#include "dialog_font_chooser.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>

#include <algorithm>

namespace vermil {
namespace {

// True when the face has a bold style of its own among those the dialog offers.
bool offersBold(const QString& family) {
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.cbegin(), styles.cend(), [&](const QString& style) {
        return QFontDatabase::weight(family, style) >= QFont::DemiBold;
    });
}

} // namespace

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
    int weight = chosen.weight();
    if (chosen.family() == request.family && !offersBold(request.family))
        weight = request.bold ? QFont::Bold : QFont::Normal;
    return ChosenFont{chosen.family(), chosen.pointSize(), weight};
}

} // namespace vermil
