#pragma once

#include <QStringList>

namespace vermil {

// The lists of the register and edit dialogs.

// The fifteen date formats, in the order the dialogs offer them.
const QStringList& dateFormatChoices();

// Seal sizes in millimetres: "5" to "30".
const QStringList& sealSizeChoices();

// The entries of one list and the one shown; -1 when none is.
struct ListChoice {
    QStringList entries;
    int selected = -1;

    QString selectedText() const { return selected >= 0 ? entries[selected] : QString(); }
};

// The register dialog's preselection from a stored value: the first entry that
// begins with it. A value that no entry begins with is added and shown, so that
// it is kept.
ListChoice preselectedChoice(const QStringList& entries, const QString& stored);

// The edit dialog shows the seal's own value: that entry, or the value added to
// the list when the list lacks it (a seal imported with size 40, say), so that
// an edit never changes it unasked.
ListChoice exactChoice(const QStringList& entries, const QString& value);

} // namespace vermil
