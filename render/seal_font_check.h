#pragma once

#include "common/language.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

namespace vermil {

// Answers whether a font family is installed.
using FontFamilyQuery = std::function<bool(const QString& family)>;

// Which of the families that seals are drawn with (mappedSealFamilies) are installed.
// Without any of them Japanese seal texts fall to whatever the system has, often
// nothing: the glyphs then draw as empty boxes.
struct SealFontAvailability {
    QStringList installedFamilies; // in the order of mappedSealFamilies
    QStringList missingFamilies;   // likewise

    bool noneInstalled() const { return installedFamilies.isEmpty(); }
};

// The availability as `isInstalled` tells it, family by family.
SealFontAvailability sealFontAvailability(const FontFamilyQuery& isInstalled);

// The availability on this machine (the application's font database); needs the GUI
// application object.
SealFontAvailability installedSealFontAvailability();

// One line for the terminal (UTF-8, no line end) when no seal family is installed,
// naming the missing families and their packages; empty otherwise.
std::string missingSealFontsNotice(const SealFontAvailability& availability);

// The same for a window's message box, in the language of its captions; empty
// when a seal family is installed.
QString missingSealFontsMessage(const SealFontAvailability& availability, Language language);

} // namespace vermil

namespace vermil {
class Prompter;

// Says so once through the prompter when no seal family is installed: a window
// calls it as it opens, before any seal is drawn.
void warnOfMissingSealFonts(Prompter& prompter, Language language,
                            const SealFontAvailability& availability);

} // namespace vermil
