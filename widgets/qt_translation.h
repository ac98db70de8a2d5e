#pragma once

#include "common/language.h"

#include <QString>
#include <QTranslator>

namespace vermil {

// Qt's own texts in the program's language: the file, font and colour choosers,
// the overwrite question, the standard buttons. While the language is Japanese,
// Qt's Japanese translation from the system's Qt translations is installed; with
// English it is removed again. One per program, kept while its windows live.
class QtTranslation {
public:
    QtTranslation() = default;
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    // False when the language is Japanese and Qt's Japanese is not installed on
    // this system: Qt's texts then stay English.
    bool follow(Language language);

    // Where Qt's Japanese is looked for.
    static QString japaneseFile();

private:
    QTranslator japanese_;
    bool installed_ = false;
};

} // namespace vermil
