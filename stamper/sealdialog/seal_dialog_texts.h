#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

// The captions and messages of the seal dialog. Captions carry their mnemonic:
// "&Name" in English, "名前(&N)" in Japanese. The system's own captions that exist
// in one form only ("Seal Dialogue", "Profile", "Save Password", "Color", "OK",
// "Cancel") stand in both sets.
struct SealDialogTexts {
    QString windowTitle;
    QString stampSelection;
    QString sealInformation;
    QString documentNo;
    QString name;
    QString section;
    QString date;
    QString comment;
    QString profile;
    QString password;
    QString savePassword;
    QString colour;
    QString ok;
    QString cancel;
    // What the dialog adds: the labels of the user and index lines, the colour
    // chooser's title, the hint of the date in the seal, and the refusal of a
    // character without a Shift-JIS form.
    QString userLine;
    QString indexLine;
    QString colourChooserTitle;
    QString sealDateHint;
    QString noShiftJisForm;

    // Messages that follow the language.
    QString noSealSelected; // OK without a seal name
    QString wrongPassword;  // Error 1315

    static const SealDialogTexts& of(Language language);
};

namespace sealdialogtexts {

// Messages the system has in one language only.
inline const QString keptPasswordMissing = QStringLiteral("Warning 432: can't find kept password.");

} // namespace sealdialogtexts

} // namespace vermil
