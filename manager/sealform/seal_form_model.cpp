#include "manager/sealform/seal_form_model.h"

#include "manager/sealform/seal_form_texts.h"

#include "common/cp932.h"
#include "common/files/write_failure.h"
#include "common/interaction/chooser_folder.h"
#include "common/interaction/file_chooser.h"
#include "common/interaction/prompter.h"
#include "common/password_text.h"

#include <QFileInfo>

#include <vector>

namespace vermil {
namespace {

bool isBlank(std::string_view character) {
    return (character.size() == 1 && static_cast<unsigned char>(character.front()) <= 0x20) ||
           character == "\x81\x40";
}

// CP932 bytes of a text for its length alone; a character without a CP932 form
// counts as a double-byte one.
std::size_t byteLength(const FieldText& text) {
    if (const auto bytes = text.bytes())
        return bytes->size();
    std::size_t length = 0;
    for (const QChar c : text.shown())
        length += c.unicode() < 0x80 ? 1 : (c.isLowSurrogate() ? 0 : 2);
    return length;
}

MessageIcon iconOf(SealFormOutcome outcome) {
    switch (outcome) {
    case SealFormOutcome::Ok:
        return MessageIcon::Information;
    case SealFormOutcome::SealFileFailed:
    case SealFormOutcome::IndexFailed:
        return MessageIcon::Error;
    default:
        return MessageIcon::Warning;
    }
}

} // namespace

std::string trimSealName(std::string_view name) {
    std::vector<std::string_view> characters;
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t length = cp932CharLength(name, pos);
        characters.push_back(name.substr(pos, length));
        pos += length;
    }
    std::size_t first = 0;
    std::size_t last = characters.size();
    while (first < last && isBlank(characters[first]))
        ++first;
    while (last > first && isBlank(characters[last - 1]))
        --last;
    std::string trimmed;
    for (std::size_t i = first; i < last; ++i)
        trimmed += characters[i];
    return trimmed;
}

SealFormModel::SealFormModel(Prompter& prompter, SealIndex index, std::string versionText)
    : prompter_(prompter), index_(std::move(index)), versionText_(std::move(versionText)) {}

void SealFormModel::setPassword(const QString& password) {
    password_ = passwordAsTyped(password);
}

void SealFormModel::setProfile(const QString& profile) {
    if (profile == profile_.shown())
        return;
    profile_.set(profile);
    profileChanged();
}

void SealFormModel::fillChoices(ListChoice dateFormats, ListChoice sizesX, ListChoice sizesY) {
    dateFormats_ = std::move(dateFormats);
    sizesX_ = std::move(sizesX);
    sizesY_ = std::move(sizesY);
}

void SealFormModel::fillTexts(FieldText name, FieldText up1, FieldText up2, FieldText down,
                              FieldText profile) {
    name_ = std::move(name);
    up1_ = std::move(up1);
    up2_ = std::move(up2);
    down_ = std::move(down);
    profile_ = std::move(profile);
}

FontDetailModel SealFormModel::fontDetail() const {
    return FontDetailModel(prompter_, fonts_,
                           {byteLength(up2_), byteLength(up1_), byteLength(down_)});
}

void SealFormModel::setFonts(const SealFonts& fonts) {
    fonts_ = fonts;
    fontsChosen_ = true;
}

bool SealFormModel::browseProfile(FileChooser& chooser) {
    FileChoice choice;
    choice.title = sealFormMessages().profileChooserTitle;
    choice.filter = sealFormMessages().profileChooserFilter;
    choice.defaultSuffix = QStringLiteral("xml");
    choice.initialName = QStringLiteral("*.xml");
    // Profiles lie in the seal folder.
    choice.folder = chooserFolder(fromCp932(index_.sealFolder()) + profile_.shown());
    const auto chosen = chooser.chooseFile(choice);
    if (!chosen)
        return false;
    // A profile is always looked for in the seal folder, by its name alone.
    setProfile(QFileInfo(*chosen).fileName());
    return true;
}

SealFormOutcome SealFormModel::takeFields(SealRecord& record) {
    const QString format = dateFormats_.selectedText();
    const QString sizeX = sizesX_.selectedText();
    const QString sizeY = sizesY_.selectedText();
    const std::pair<const QString*, std::optional<std::string>> fields[] = {
        {&name_.shown(), name_.bytes()}, {&password_, toCp932(password_)},
        {&up1_.shown(), up1_.bytes()},   {&up2_.shown(), up2_.bytes()},
        {&down_.shown(), down_.bytes()}, {&profile_.shown(), profile_.bytes()},
        {&format, toCp932(format)},      {&sizeX, toCp932(sizeX)},
        {&sizeY, toCp932(sizeY)},
    };
    for (const auto& [shown, bytes] : fields)
        if (!bytes) {
            detail_ = firstUnstorableCharacter(*shown);
            return SealFormOutcome::NotStorable;
        }
    record.name = storedName(*fields[0].second);
    checkedName_ = record.name;
    record.password = *fields[1].second;
    SealDefinition& seal = record.definition;
    seal.up1 = *fields[2].second;
    seal.up2 = *fields[3].second;
    seal.down = *fields[4].second;
    seal.profile = *fields[5].second;
    seal.format = *fields[6].second;
    seal.sizeX = *fields[7].second;
    seal.sizeY = *fields[8].second;
    seal.fonts = fonts_;
    return SealFormOutcome::Ok;
}

SealFormOutcome SealFormModel::validate() {
    SealRecord record;
    if (const SealFormOutcome outcome = takeFields(record); outcome != SealFormOutcome::Ok)
        return outcome;
    if (record.name.empty())
        return SealFormOutcome::NameEmpty;
    if (record.password.empty())
        return SealFormOutcome::PasswordEmpty;
    if (record.definition.up1.empty())
        return SealFormOutcome::Up1Empty;
    if (record.definition.down.empty())
        return SealFormOutcome::DownEmpty;
    return checkIndex(record);
}

SealFormOutcome SealFormModel::outcomeOf(const SealWriteResult& result) {
    detail_ = result.refusal;
    cause_ = writeFailureCause(result.error);
    switch (result.status) {
    case SealWriteStatus::Written:
        return SealFormOutcome::Ok;
    case SealWriteStatus::Refused:
        break;
    case SealWriteStatus::SealFileFailed:
        return SealFormOutcome::SealFileFailed;
    case SealWriteStatus::IndexFailed:
        return SealFormOutcome::IndexFailed;
    }
    // Another program may have registered seals since the dialog's own checks.
    switch (result.reason) {
    case SealRefusal::NameTaken:
        return SealFormOutcome::NameTaken;
    case SealRefusal::IndexFull:
        return SealFormOutcome::IndexFull;
    case SealRefusal::NameInOtherCase:
        return SealFormOutcome::NameInOtherCase;
    case SealRefusal::None:
    case SealRefusal::UnsafeName:
    case SealRefusal::UnsafeValue:
        break;
    }
    return SealFormOutcome::Refused;
}

QString SealFormModel::withCause(const QString& message) const {
    return cause_.isEmpty() ? message : message + QLatin1Char('\n') + cause_;
}

SealFormOutcome SealFormModel::accept() {
    SealFormOutcome outcome = validate();
    SealRecord record;
    if (outcome == SealFormOutcome::Ok) {
        takeFields(record);
        outcome = outcomeOf(writeSeal(index_, record, entryKind(), versionText_));
    }
    if (outcome == SealFormOutcome::Ok)
        written(record);
    prompter_.showMessage(message(outcome), iconOf(outcome));
    return outcome;
}

} // namespace vermil
