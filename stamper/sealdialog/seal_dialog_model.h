#pragma once

#include "stamper/sealdialog/seal_dialog_texts.h"

#include "common/colour_file.h"
#include "common/hanko_settings.h"
#include "render/date_local_time.h"
#include "render/seal_drawing_input.h"
#include "sealfiles/seal_fonts.h"
#include "sealfiles/seal_index.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

class ColourChooser;
class Prompter;
struct AcceptedStamp;
class UserProfile;
struct SealVerification;

// What the caller sets before the seal dialog opens. sealDialogInputsOf() (in
// seal_dialog_document.h) takes them from the stamp document. Texts are CP932.
struct SealDialogInputs {
    std::string settingsFilePath; // hanko.ini
    std::string indexPath;        // seal files and layout profiles lie in its folder
    std::string language;         // "Japanese", or any other value for English
    std::string lastSeal;         // VERMILIN/ListBox: preselected when listed
    std::string windowsUser;      // who stamps now and where: the log line and the stamp
    std::string computerName;
    bool logEnabled = true; // VERMILIN/Log
    int logFormat = 0;      // MAIN/LogFormat: 0 "|", any other value ","
    std::string logFilePath;
    int autoStamp = 0;             // 0, 1 or 2: with a remembered password OK is pressed at once
    bool rememberPassword = false; // the user's cpw is "1"
};

// What the stamp document takes after a successful OK; copySealDialogOutputs()
// (in seal_dialog_document.h) copies it in. Texts are CP932.
struct SealDialogOutputs {
    std::string sealName;
    std::string documentNumber;
    std::string name; // the approver
    std::string section;
    std::string approvalDate;
    std::string sealDateText;
    std::string upperText1;
    std::string upperText2;
    std::string lowerText;
    std::string comment; // whole, lines separated by CR LF
    std::uint32_t colour = defaultSealColour;
    std::string password2; // the seal's password code
    std::string sizeX;     // millimetres
    std::string sizeY;
    std::string sealFileText; // the seal file as checked against the index
    std::string profileText;  // the layout profile's Profile element
    SealFonts fonts;          // Up2, Up1, Date, Low1: name, bold flag, size
};

// The drawing fields of a stamp from the outputs: the four texts, the fonts, the
// colour and the profile. The pen width and the clipboard flag are left as they are.
void applySealDrawing(const SealDialogOutputs& outputs, SealDrawingInput& drawing);

// The seal dialog without its widgets: the list of seals, the checks of a
// selected seal, the stamp fields, the password and OK. It talks to the user
// through the prompter and reads the remembered password from the user profile.
// It writes nothing: after OK, accepted() holds what the stamp's log line and
// remembered fields take, and the stamping transaction writes them once the
// stamp itself is written.
//
//     SealDialogModel model(sealDialogInputsOf(document), prompter, profile);
//     model.start();                      // list, preselection, date texts
//     if (!model.pressOkAtStart()) { ... the user picks, types, presses OK: accept() ... }
//     if (stamped) return model.accepted();
class SealDialogModel {
public:
    enum class Outcome {
        Accepted,       // the checks passed: the dialog closes, accepted() is valid
        NoSealSelected, // the empty-name message was shown
        WrongPassword,  // Error 1315 was shown; the password stays as typed
        SealNotChecked, // OK is disabled: the selected seal failed its checks
    };

    // The stamping time is taken here, once; every date text of the stamp comes from it.
    SealDialogModel(SealDialogInputs inputs, Prompter& prompter, UserProfile& profile,
                    ColourFile colourFile = ColourFile(), StampingTime stampingTime = now(),
                    LocalTimeConversion toLocal = systemLocalTime);

    static StampingTime now();

    // Start-up: the preset document number, the list in index order, the
    // preselection of the last used seal (with its checks), the date texts of
    // the language and the remembered password (Warning 432 when it is missing).
    void start();
    // The last step of start-up: with AutoStamp on and the password remembered,
    // OK is pressed at once. True when that was accepted: the dialog closes at once.
    bool pressOkAtStart();

    const SealDialogInputs& inputs() const { return inputs_; }
    Language language() const { return language_; }
    const SealDialogTexts& texts() const { return *texts_; }

    // The seals in index order, and the selected row.
    const std::vector<std::string>& sealNames() const { return names_; }
    std::optional<std::size_t> selectedRow() const { return selectedRow_; }
    // The row whose name equals `name` byte for byte.
    std::optional<std::size_t> rowOf(std::string_view name) const;
    // Takes the seal's remembered fields and colour, checks its index entry and
    // seal file, reads its layout profile and fonts and forms its date text. A
    // failed check shows its message and disables OK; the fields taken so far
    // are then not for showing. True when every check passed.
    bool selectSeal(std::size_t row);
    bool okEnabled() const { return okEnabled_; }

    // The fields the user edits.
    const std::string& documentNumber() const { return documentNumber_; }
    void setDocumentNumber(std::string value) { documentNumber_ = std::move(value); }
    const std::string& name() const { return name_; }
    void setName(std::string value) { name_ = std::move(value); }
    const std::string& section() const { return section_; }
    void setSection(std::string value) { section_ = std::move(value); }
    const std::string& approvalDate() const { return approvalDate_; }
    void setApprovalDate(std::string value) { approvalDate_ = std::move(value); }
    // Line breaks become CR LF, as a stamp keeps them.
    const std::string& comment() const { return comment_; }
    void setComment(std::string_view value);
    const std::string& sealDateText() const { return sealDateText_; }
    void setSealDateText(std::string value) { sealDateText_ = std::move(value); }
    const std::string& password() const { return password_; }
    void setPassword(std::string value) { password_ = std::move(value); }
    bool savePassword() const { return savePassword_; }
    void setSavePassword(bool save) { savePassword_ = save; }
    std::uint32_t colour() const { return colour_; }
    void setColour(std::uint32_t colour) { colour_ = colour & 0xFFFFFF; }
    // The Color button: true when the user chose a colour.
    bool chooseColour(ColourChooser& chooser);

    // What the seal shows, from the selected seal's file.
    const std::string& sealName() const { return sealName_; }
    const std::string& upperText1() const { return upperText1_; }
    const std::string& upperText2() const { return upperText2_; }
    const std::string& lowerText() const { return lowerText_; }
    const std::string& profileName() const { return profileName_; }
    // The preview: the seal's texts, fonts and profile in its colour.
    SealDrawingInput previewInput() const;

    // The checks of OK without writing anything: the seal name, then the password.
    Outcome validate();
    // OK: the checks of validate(); a preset document number is used up. Nothing is written.
    Outcome accept();
    // After OK: the stamp, its log line and the fields, colour and password to remember.
    AcceptedStamp accepted() const;

    SealDialogOutputs outputs() const;

private:
    void formDateTexts();
    void takeRememberedPassword();
    void takeRememberedFields();
    void takeVerifiedValues(const SealVerification& verification);
    void takeProfile();

    SealDialogInputs inputs_;
    Prompter& prompter_;
    UserProfile& profile_;
    ColourFile colourFile_;
    HankoSettings settings_;
    SealIndex index_;
    Language language_;
    const SealDialogTexts* texts_;
    StampingTime stampingTime_;
    LocalTimeConversion toLocal_;

    std::vector<std::string> names_;
    std::optional<std::size_t> selectedRow_;
    bool okEnabled_ = true;
    std::string presetDocumentNumber_;

    std::string sealName_;
    std::string documentNumber_;
    std::string name_;
    std::string section_;
    std::string approvalDate_;
    std::string comment_;
    std::string upperText1_;
    std::string upperText2_;
    std::string lowerText_;
    std::string sealDateText_;
    std::string password_;
    bool savePassword_ = false;
    std::uint32_t colour_ = defaultSealColour;
    std::string logDate_;
    std::string logTime_;

    std::string password2_;
    std::string sealFileText_;
    std::string profileName_;
    std::string profileText_;
    std::string dateFormat_;
    std::string sizeX_;
    std::string sizeY_;
    SealFonts fonts_;
};

} // namespace vermil
