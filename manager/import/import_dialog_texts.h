#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

// The captions of the CSV import dialog. The system's have one form only and
// stand in both sets; what the dialog adds for long files follows the language.
struct ImportDialogTexts {
    QString windowTitle;
    QString fileGroup;
    QString browse;
    QString formatHint;
    QString limitHint;
    QString run;
    QString close;
    QString cancel;
    QString progress; // %1 rows written, %2 rows of the file

    static const ImportDialogTexts& of(Language language);
};

namespace importdialogtexts {

// The CSV file chooser.
inline const QString chooserFilter = QStringLiteral("CsvFile(*.csv);;全て(*.*)");
inline const QString chooserSuffix = QStringLiteral("csv");

} // namespace importdialogtexts

} // namespace vermil
