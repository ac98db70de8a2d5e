#include "layout_profile.h"

#include "default_profile.h"
#include "seal_definition.h"
#include "seal_message_texts.h"

#include "common/cp932.h"
#include "common/interaction/prompter.h"
#include "common/tag_text.h"

#include <filesystem>

namespace vermil {
namespace {

SealFont fontOfLine(std::string_view profile, std::string_view line) {
    const std::string font = tagText(tagText(profile, line), "Font");
    return {tagText(font, "Name"), tagText(font, "B"), tagText(font, "Size")};
}

void replaceWhereGiven(const SealFont& given, SealFont& font) {
    if (!given.name.empty())
        font.name = given.name;
    if (!given.bold.empty())
        font.bold = given.bold;
    if (!given.size.empty())
        font.size = given.size;
}

} // namespace

std::string profilePath(std::string_view sealFolder, std::string_view profileName) {
    return std::string(sealFolder) + std::string(profileName);
}

std::optional<std::string> loadProfileFile(std::string_view path) {
    return loadTagFile(nativePath(path), maxProfileTextBytes);
}

bool profileIsReadable(std::string_view sealFolder, std::string_view profileName) {
    return loadProfileFile(profilePath(sealFolder, profileName)).has_value();
}

void applyProfileFonts(std::string_view profileFileText, SealFonts& fonts) {
    const std::string profile = tagText(profileFileText, "Profile");
    const SealFonts given = fontsOfProfileText(profile);
    replaceWhereGiven(given.up2, fonts.up2);
    replaceWhereGiven(given.up1, fonts.up1);
    replaceWhereGiven(given.date, fonts.date);
    replaceWhereGiven(given.low1, fonts.low1);
}

void readProfileFonts(std::string_view path, SealFonts& fonts) {
    const auto text = loadProfileFile(path);
    if (text && !text->empty())
        applyProfileFonts(*text, fonts);
}

SealFonts fontsForNewSeal(std::string_view sealFolder, std::string_view profileName) {
    SealFonts fonts = defaultSealFonts();
    const std::string path = profilePath(sealFolder, profileName);
    const auto text = loadProfileFile(path);
    std::error_code ec;
    if (text && !text->empty())
        applyProfileFonts(*text, fonts);
    else if (!text && profileName == defaultProfileName &&
             !std::filesystem::exists(std::filesystem::symlink_status(nativePath(path), ec)))
        applyProfileFonts(defaultProfileBytes(), fonts);
    return fonts;
}

std::optional<std::string> readProfileText(std::string_view path, Prompter& prompter) {
    const auto text = loadProfileFile(path);
    if (!text) {
        prompter.showMessage(sealMessageTexts().profileUnreadable.arg(fromCp932(path)),
                             MessageIcon::Warning);
        return std::nullopt;
    }
    return tagText(*text, "Profile");
}

SealFonts fontsOfProfileText(std::string_view profileText) {
    return {fontOfLine(profileText, "Up2"), fontOfLine(profileText, "Up1"),
            fontOfLine(profileText, "Date"), fontOfLine(profileText, "Low1")};
}

} // namespace vermil
