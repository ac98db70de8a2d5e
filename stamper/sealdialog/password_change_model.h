#pragma once

#include "stamper/sealdialog/password_change_texts.h"

#include "sealfiles/seal_index.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

class Prompter;

// What the caller sets before the password change dialog opens;
// passwordChangeInputsOf() (in seal_dialog_document.h) takes them from the stamp
// document. Texts are CP932.
struct PasswordChangeInputs {
    std::string lastSeal;  // preselected when listed
    std::string indexPath; // seal files lie in its folder
    std::string language;  // "Japanese", or any other value for English
};

// The password change dialog without its widgets: the sorted list of seals, the
// checks of a selected seal, and the OK that checks everything again and writes
// the seal's two codes, Password2 and Hash, in one update of the index. The
// index is the only thing it writes, and only on a successful OK.
class PasswordChangeModel {
public:
    enum class Outcome {
        Changed, // "パスワードが変更されました。" was shown: the dialog closes
        Refused, // a message said why; nothing was written, the dialog stays open
    };

    PasswordChangeModel(PasswordChangeInputs inputs, Prompter& prompter);

    // The list, sorted, and the preselection of the last used seal, without checks.
    void start();

    const PasswordChangeInputs& inputs() const { return inputs_; }
    Language language() const { return language_; }
    const PasswordChangeTexts& texts() const { return *texts_; }

    const std::vector<std::string>& sealNames() const { return names_; }
    std::optional<std::size_t> selectedRow() const { return selectedRow_; }
    // The row whose name equals `name` byte for byte.
    std::optional<std::size_t> rowOf(std::string_view name) const;
    // The checks of the seal's index entry and seal file (Errors 1311, 1313, 1312,
    // 1316); OK follows them. True when they passed.
    bool selectSeal(std::size_t row);
    bool okEnabled() const { return okEnabled_; }

    // As typed: password boxes turn letters into capitals.
    void setOldPassword(std::string password) { oldPassword_ = std::move(password); }
    void setNewPassword(std::string password) { newPassword_ = std::move(password); }
    void setNewPasswordAgain(std::string password) { newPasswordAgain_ = std::move(password); }

    Outcome accept();

private:
    Outcome refuse(const QString& message);
    std::string selectedName() const;

    PasswordChangeInputs inputs_;
    Prompter& prompter_;
    SealIndex index_;
    Language language_;
    const PasswordChangeTexts* texts_;
    std::vector<std::string> names_;
    std::optional<std::size_t> selectedRow_;
    bool okEnabled_ = true;
    std::string oldPassword_;
    std::string newPassword_;
    std::string newPasswordAgain_;
};

// The order of a sorted seal list: letter case of single-byte letters aside, then byte order.
bool sealListOrder(std::string_view a, std::string_view b);

} // namespace vermil
