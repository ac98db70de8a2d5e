#pragma once

#include <string>
#include <string_view>

namespace vermil {

// The face name of every text line unless a profile or the seal file says otherwise.
inline constexpr std::string_view defaultFontNameUtf8 = "ＭＳ Ｐゴシック";

// The font of one text line as stored: bold "1"/"0" and a decimal size, both
// empty when never set.
struct SealFont {
    std::string name;
    std::string bold;
    std::string size;

    friend bool operator==(const SealFont&, const SealFont&) = default;
};

// The four text lines in the order the files keep them.
struct SealFonts {
    SealFont up2;
    SealFont up1;
    SealFont date;
    SealFont low1;

    friend bool operator==(const SealFonts&, const SealFonts&) = default;
};

// The manager's starting fonts: the default face name, size and bold flag empty.
SealFonts defaultSealFonts();

} // namespace vermil
