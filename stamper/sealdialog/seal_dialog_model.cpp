#include "stamper/sealdialog/seal_dialog_model.h"

#include "stamper/sealdialog/accepted_stamp.h"
#include "stamper/sealdialog/remembered_password.h"
#include "stamper/sealdialog/seal_preselection.h"

#include "common/cp932.h"
#include "common/interaction/colour_chooser.h"
#include "common/interaction/prompter.h"
#include "common/user_profile.h"
#include "render/date_formatting.h"
#include "sealfiles/layout_profile.h"
#include "sealfiles/seal_verification.h"

#include <ctime>

namespace vermil {
namespace {

// How much of each remembered field the dialog reads.
constexpr std::size_t documentNumberRoom = 300;
constexpr std::size_t commentRoom = 300;
constexpr std::size_t fieldRoom = 100;

MessageIcon iconOf(SealCheck check) {
    return check == SealCheck::NoSealFileNamed || check == SealCheck::NoVermilElement
               ? MessageIcon::Warning
               : MessageIcon::Error;
}

SealLineFont lineFontOf(const SealFont& font) {
    return {font.name, font.size, font.bold};
}

// Every line feed preceded by a carriage return.
std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

} // namespace

void applySealDrawing(const SealDialogOutputs& outputs, SealDrawingInput& drawing) {
    drawing.upperText1 = outputs.upperText1;
    drawing.upperText2 = outputs.upperText2;
    drawing.sealDateText = outputs.sealDateText;
    drawing.lowerText = outputs.lowerText;
    drawing.fontUp2 = lineFontOf(outputs.fonts.up2);
    drawing.fontUp = lineFontOf(outputs.fonts.up1);
    drawing.fontDate = lineFontOf(outputs.fonts.date);
    drawing.fontLow = lineFontOf(outputs.fonts.low1);
    drawing.colour = outputs.colour;
    drawing.profileText = outputs.profileText;
}

SealDialogModel::SealDialogModel(SealDialogInputs inputs, Prompter& prompter, UserProfile& profile,
                                 ColourFile colourFile, StampingTime stampingTime,
                                 LocalTimeConversion toLocal)
    : inputs_(std::move(inputs)), prompter_(prompter), profile_(profile),
      colourFile_(std::move(colourFile)), settings_(nativePath(inputs_.settingsFilePath)),
      index_(inputs_.indexPath), language_(languageOf(inputs_.language)),
      texts_(&SealDialogTexts::of(language_)), stampingTime_(stampingTime),
      toLocal_(std::move(toLocal)) {}

StampingTime SealDialogModel::now() {
    return static_cast<StampingTime>(std::time(nullptr));
}

void SealDialogModel::start() {
    presetDocumentNumber_ = settings_.commonDocumentNo();
    documentNumber_ = presetDocumentNumber_;
    names_ = index_.names();
    if (!inputs_.lastSeal.empty()) {
        if (const auto row = preselectedSeal(names_, inputs_.lastSeal))
            selectSeal(*row);
        else
            sealName_.clear();
    }
    formDateTexts();
    if (inputs_.rememberPassword)
        takeRememberedPassword();
}

void SealDialogModel::formDateTexts() {
    const StampTimeTexts texts = language_ == Language::Japanese
                                     ? FormatStampTimeJapanese(stampingTime_, prompter_, toLocal_)
                                     : FormatStampTimeEnglish(stampingTime_, prompter_, toLocal_);
    approvalDate_ = texts.approvalDate;
    logDate_ = texts.logDate;
    logTime_ = texts.logTime;
}

void SealDialogModel::takeRememberedPassword() {
    savePassword_ = true;
    std::optional<std::string> kept = rememberedpassword::readFrom(profile_);
    if (!kept) {
        prompter_.showMessage(texts().keptPasswordMissing, MessageIcon::Warning);
        password_.clear();
        return;
    }
    password_ = std::move(*kept);
}

bool SealDialogModel::pressOkAtStart() {
    if (inputs_.autoStamp == 0 || !inputs_.rememberPassword)
        return false;
    return accept() == Outcome::Accepted;
}

std::optional<std::size_t> SealDialogModel::rowOf(std::string_view name) const {
    for (std::size_t row = 0; row < names_.size(); ++row)
        if (names_[row] == name)
            return row;
    return std::nullopt;
}

bool SealDialogModel::selectSeal(std::size_t row) {
    if (row >= names_.size())
        return false;
    selectedRow_ = row;
    sealName_ = names_[row];
    takeRememberedFields();
    // Index entry and seal file, checked by the one verification every program shares.
    const SealVerification v = verifySeal(index_, sealName_);
    takeVerifiedValues(v);
    okEnabled_ = v.passed();
    if (!okEnabled_) {
        prompter_.showMessage(v.message(), iconOf(v.failed));
        return false;
    }
    takeProfile();
    fonts_ = v.content.hasFonts ? v.content.fonts : fontsOfProfileText(profileText_);
    sealDateText_ = FormatSealDate(dateFormat_, stampingTime_, toLocal_);
    return true;
}

// The preset document number, when there is one, stands for every seal selected.
void SealDialogModel::takeRememberedFields() {
    documentNumber_ = !presetDocumentNumber_.empty()
                          ? presetDocumentNumber_
                          : settings_.sealValue(sealName_, "DocumentNo", documentNumberRoom);
    comment_ = settings_.sealValue(sealName_, "Item", commentRoom);
    name_ = settings_.sealValue(sealName_, "Name", fieldRoom);
    lowerText_ = settings_.sealValue(sealName_, "NameIn", fieldRoom);
    section_ = settings_.sealValue(sealName_, "Section", fieldRoom);
    upperText1_ = settings_.sealValue(sealName_, "SectionIn", fieldRoom);
    colour_ = static_cast<std::uint32_t>(colourFile_.colour(sealName_));
}

// What the checks read, as far as they got.
void SealDialogModel::takeVerifiedValues(const SealVerification& v) {
    password2_ = v.entry.password2;
    sealFileText_ = v.sealText;
    if (v.failed != SealCheck::Passed && v.failed != SealCheck::SealHashMismatch)
        return;
    upperText1_ = v.content.up1;
    upperText2_ = v.content.up2;
    lowerText_ = v.content.down;
    profileName_ = v.content.profile;
    dateFormat_ = v.content.format;
    sizeX_ = v.content.sizeX;
    sizeY_ = v.content.sizeY;
}

// A profile that cannot be read is told (Warning 425) and leaves the one read at
// an earlier selection, empty when there was none.
void SealDialogModel::takeProfile() {
    if (auto text = readProfileText(profilePath(index_.sealFolder(), profileName_), prompter_))
        profileText_ = std::move(*text);
}

void SealDialogModel::setComment(std::string_view value) {
    comment_ = withCrLf(value);
}

bool SealDialogModel::chooseColour(ColourChooser& chooser) {
    const auto chosen = chooser.chooseColour(colour_, texts_->colourChooserTitle);
    if (!chosen)
        return false;
    setColour(*chosen);
    return true;
}

SealDrawingInput SealDialogModel::previewInput() const {
    SealDrawingInput drawing;
    applySealDrawing(outputs(), drawing);
    return drawing;
}

SealDialogModel::Outcome SealDialogModel::validate() {
    if (!okEnabled_)
        return Outcome::SealNotChecked;
    if (sealName_.empty()) {
        prompter_.showMessage(texts_->noSealSelected, MessageIcon::Warning);
        return Outcome::NoSealSelected;
    }
    if (passwordCode(password_) != password2_) {
        prompter_.showMessage(texts_->wrongPassword, MessageIcon::Error);
        return Outcome::WrongPassword;
    }
    return Outcome::Accepted;
}

SealDialogModel::Outcome SealDialogModel::accept() {
    const Outcome outcome = validate();
    if (outcome != Outcome::Accepted)
        return outcome;
    presetDocumentNumber_.clear();
    return Outcome::Accepted;
}

AcceptedStamp SealDialogModel::accepted() const {
    AcceptedStamp stamp;
    stamp.outputs = outputs();
    stamp.logEntry = {
        documentNumber_,     logDate_, logTime_, name_, section_, comment_, inputs_.windowsUser,
        inputs_.computerName};
    stamp.log = {inputs_.logEnabled, inputs_.logFilePath, inputs_.logFormat};
    stamp.settingsFilePath = inputs_.settingsFilePath;
    stamp.colourFile = colourFile_.file();
    stamp.password = password_;
    stamp.savePassword = savePassword_;
    stamp.language = language_;
    return stamp;
}

SealDialogOutputs SealDialogModel::outputs() const {
    SealDialogOutputs out;
    out.sealName = sealName_;
    out.documentNumber = documentNumber_;
    out.name = name_;
    out.section = section_;
    out.approvalDate = approvalDate_;
    out.sealDateText = sealDateText_;
    out.upperText1 = upperText1_;
    out.upperText2 = upperText2_;
    out.lowerText = lowerText_;
    out.comment = comment_;
    out.colour = colour_;
    out.password2 = password2_;
    out.sizeX = sizeX_;
    out.sizeY = sizeY_;
    out.sealFileText = sealFileText_;
    out.profileText = profileText_;
    out.fonts = fonts_;
    return out;
}

} // namespace vermil
