#include "shown_seal.h"

#include "manager/manager_dialog_texts.h"

#include "sealfiles/layout_profile.h"
#include "sealfiles/seal_definition.h"
#include "sealfiles/seal_file.h"
#include "sealfiles/seal_index.h"

#include "common/hanko_settings.h"
#include "common/interaction/prompter.h"

namespace vermil {
namespace {

// The seal file's text, or empty after the warning that says why there is none.
std::string readShownText(const SealIndex& index, const SealIndexEntry& entry,
                          std::string_view name, Prompter& prompter) {
    if (entry.vrmfile.empty()) {
        prompter.showMessage(managerMessages().legacyEntry, MessageIcon::Warning);
        return {};
    }
    const std::string path = sealFilePath(index.sealFolder(), name);
    auto text = readSealFile(path);
    if (!text) {
        prompter.showMessage(managerdialogtexts::sealFileUnreadable(path), MessageIcon::Warning);
        return {};
    }
    return std::move(*text);
}

} // namespace

ShownSeal readShownSeal(const SealIndex& index, std::string_view name,
                        const HankoSettings& settings, Prompter& prompter) {
    ShownSeal seal;
    seal.name = name;
    const SealIndexEntry entry = index.readEntry(name);
    seal.vrmfile = entry.vrmfile;
    seal.sealText = readShownText(index, entry, name, prompter);
    const SealFileContent content =
        parseSealText(seal.sealText, settings.sizeX(), settings.sizeY());
    seal.sizeX = content.sizeX;
    seal.sizeY = content.sizeY;
    seal.dateFormat = content.format;
    seal.profile = content.profile;
    if (content.hasVermil) {
        seal.up1 = content.up1;
        seal.up2 = content.up2;
        seal.down = content.down;
    } else {
        seal.up1 = entry.legacyUp1;
        seal.up2 = entry.legacyUp2;
        seal.down = entry.legacyDown;
    }
    seal.hasFonts = content.hasFonts;
    seal.fonts = content.fonts;
    // Only a seal file read says which profile the seal is stamped with.
    if (!seal.sealText.empty() && !profileIsReadable(index.sealFolder(), seal.profile))
        prompter.showMessage(
            managerdialogtexts::profileMissing(profilePath(index.sealFolder(), seal.profile)),
            MessageIcon::Warning);
    return seal;
}

} // namespace vermil
