#pragma once

#include "manager/sealform/field_text.h"
#include "manager/sealform/font_detail_model.h"
#include "manager/sealform/seal_form_choices.h"

#include "sealfiles/seal_index.h"
#include "sealfiles/seal_writer.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace vermil {

class FileChooser;
class Prompter;

// What OK of the register or edit dialog came to. Each dialog maps these to its
// own messages (its codes differ) in its message().
enum class SealFormOutcome {
    Ok,        // validate: every check passed; accept: the seal is written
    NameEmpty, // also a name of blanks only
    PasswordEmpty,
    Up1Empty,
    DownEmpty,
    NameTaken,       // register: the exact name is listed
    IndexFull,       // register: 100 seals listed
    NameInOtherCase, // a listed name differs only in letter case
    NotStorable,     // a character without a Shift-JIS form
    Refused,         // the seal writer refused the values (its reason is the message)
    SealFileFailed,
    IndexFailed,
};

// The seal name as the register dialog takes it: every byte up to and including
// the blank (0x20) and every full-width blank removed from both ends.
std::string trimSealName(std::string_view name);

// The register and edit dialogs without their widgets: the fields of one seal,
// the lists, the fonts and the profile chooser; OK checks the fields in the
// dialog's order and writes the seal through the seal writer.
class SealFormModel {
public:
    SealFormModel(Prompter& prompter, SealIndex index, std::string versionText);
    virtual ~SealFormModel() = default;
    SealFormModel(const SealFormModel&) = delete;
    SealFormModel& operator=(const SealFormModel&) = delete;

    const QString& name() const { return name_.shown(); }
    void setName(const QString& name) { name_.set(name); }
    virtual bool nameEditable() const = 0;
    // Never prefilled. Letters become capitals, as the password box types them.
    const QString& password() const { return password_; }
    void setPassword(const QString& password);
    const QString& up1() const { return up1_.shown(); }
    void setUp1(const QString& text) { up1_.set(text); }
    const QString& up2() const { return up2_.shown(); }
    void setUp2(const QString& text) { up2_.set(text); }
    const QString& down() const { return down_.shown(); }
    void setDown(const QString& text) { down_.set(text); }
    const QString& profile() const { return profile_.shown(); }
    void setProfile(const QString& profile);

    const ListChoice& dateFormats() const { return dateFormats_; }
    void selectDateFormat(int row) { dateFormats_.selected = row; }
    const ListChoice& sizesX() const { return sizesX_; }
    void selectSizeX(int row) { sizesX_.selected = row; }
    const ListChoice& sizesY() const { return sizesY_; }
    void selectSizeY(int row) { sizesY_.selected = row; }

    const std::string& indexPath() const { return index_.path(); }
    const SealIndex& index() const { return index_; }

    // The fonts the seal file gets; the detail dialog works on a copy.
    const SealFonts& fonts() const { return fonts_; }
    FontDetailModel fontDetail() const;
    // The detail dialog's OK.
    void setFonts(const SealFonts& fonts);

    // The profile "Ref" button: a profile of the seal folder, kept by file name.
    bool browseProfile(FileChooser& chooser);

    // The checks of OK, in the dialog's order; nothing is written.
    SealFormOutcome validate();
    // OK: the checks, then the seal file and its index entry. Every outcome is
    // told with its message; Ok closes the dialog.
    SealFormOutcome accept();
    // The dialog's message for an outcome of the last validate() or accept().
    virtual QString message(SealFormOutcome outcome) const = 0;

protected:
    void fillChoices(ListChoice dateFormats, ListChoice sizesX, ListChoice sizesY);
    void fillTexts(FieldText name, FieldText up1, FieldText up2, FieldText down, FieldText profile);
    void replaceFonts(const SealFonts& fonts) { fonts_ = fonts; }
    bool fontsChosen() const { return fontsChosen_; }
    Prompter& prompter() const { return prompter_; }
    // For message(): the writer's refusal, or the character that cannot be stored.
    const QString& detail() const { return detail_; }
    // A failed write's message with the real cause on a line of its own, when known.
    QString withCause(const QString& message) const;
    // The name the last checks looked at, as it would be stored.
    const std::string& checkedName() const { return checkedName_; }

    virtual SealEntryKind entryKind() const = 0;
    // The name as it is stored: register trims it.
    virtual std::string storedName(std::string name) const { return name; }
    // Checks after the fields' own: register looks at the index.
    virtual SealFormOutcome checkIndex(const SealRecord&) const { return SealFormOutcome::Ok; }
    // After a successful write, before the message.
    virtual void written(const SealRecord&) {}
    // A new profile was set.
    virtual void profileChanged() {}

private:
    SealFormOutcome outcomeOf(const SealWriteResult& result);
    SealFormOutcome takeFields(SealRecord& record);

    Prompter& prompter_;
    SealIndex index_;
    std::string versionText_;
    FieldText name_;
    QString password_;
    FieldText up1_;
    FieldText up2_;
    FieldText down_;
    FieldText profile_;
    ListChoice dateFormats_;
    ListChoice sizesX_;
    ListChoice sizesY_;
    SealFonts fonts_ = defaultSealFonts();
    bool fontsChosen_ = false;
    QString detail_;
    QString cause_;
    std::string checkedName_;
};

} // namespace vermil
