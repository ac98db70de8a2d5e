#include "seal_picture_input.h"

#include "shown_seal.h"

#include "render/date_formatting.h"
#include "sealfiles/layout_profile.h"

#include "common/tag_text.h"

namespace vermil {
namespace {

SealLineFont lineFont(const SealFont& font) {
    return {font.name, font.size, font.bold};
}

} // namespace

SealDrawingInput sealPictureInput(const ShownSeal& seal, std::string_view sealFolder,
                                  std::uint32_t colour, StampingTime time) {
    SealDrawingInput input;
    input.upperText1 = seal.up1;
    input.upperText2 = seal.up2;
    input.lowerText = seal.down;
    input.sealDateText = FormatSealDate(seal.dateFormat, time);
    input.colour = colour;
    const auto profile = loadProfileFile(profilePath(sealFolder, seal.profile));
    if (profile)
        input.profileText = tagText(*profile, "Profile");
    const SealFonts fonts = seal.hasFonts ? seal.fonts : fontsOfProfileText(input.profileText);
    input.fontUp2 = lineFont(fonts.up2);
    input.fontUp = lineFont(fonts.up1);
    input.fontDate = lineFont(fonts.date);
    input.fontLow = lineFont(fonts.low1);
    return input;
}

} // namespace vermil
