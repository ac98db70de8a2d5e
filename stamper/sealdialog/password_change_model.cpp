#include "stamper/sealdialog/password_change_model.h"

#include "stamper/sealdialog/seal_preselection.h"

#include "common/cp932.h"
#include "common/interaction/prompter.h"
#include "sealfiles/seal_file.h"

#include <algorithm>

namespace vermil {
namespace {

// Single-byte letters in capitals; a double-byte character as it stands.
std::string sortKey(std::string_view name) {
    std::string key(name);
    for (std::size_t pos = 0; pos < key.size();) {
        const std::size_t length = cp932CharLength(key, pos);
        if (length == 1 && key[pos] >= 'a' && key[pos] <= 'z')
            key[pos] = static_cast<char>(key[pos] - 'a' + 'A');
        pos += length;
    }
    return key;
}

} // namespace

bool sealListOrder(std::string_view a, std::string_view b) {
    const std::string keyA = sortKey(a);
    const std::string keyB = sortKey(b);
    return keyA != keyB ? keyA < keyB : a < b;
}

PasswordChangeModel::PasswordChangeModel(PasswordChangeInputs inputs, Prompter& prompter)
    : inputs_(std::move(inputs)), prompter_(prompter), index_(inputs_.indexPath),
      language_(languageOf(inputs_.language)), texts_(&PasswordChangeTexts::of(language_)) {}

void PasswordChangeModel::start() {
    names_ = index_.names();
    std::stable_sort(names_.begin(), names_.end(), [](const std::string& a, const std::string& b) {
        return sealListOrder(a, b);
    });
    selectedRow_ = preselectedSeal(names_, inputs_.lastSeal);
}

std::optional<std::size_t> PasswordChangeModel::rowOf(std::string_view name) const {
    for (std::size_t row = 0; row < names_.size(); ++row)
        if (names_[row] == name)
            return row;
    return std::nullopt;
}

std::string PasswordChangeModel::selectedName() const {
    return selectedRow_ ? names_[*selectedRow_] : std::string();
}

// The seal file is the seal's own, seal folder + name + ".vrm", as everywhere
// else: the index names it, but a path taken from the index could lead anywhere.
bool PasswordChangeModel::selectSeal(std::size_t row) {
    if (row >= names_.size())
        return false;
    selectedRow_ = row;
    const std::string name = names_[row];
    const SealIndexEntry entry = index_.readEntry(name, IndexReader::StampingProgram);
    const QString* problem = nullptr;
    std::optional<std::string> text;
    if (entry.data.empty())
        problem = &texts_->selectionDataEmpty;
    else if (entry.vrmfile.empty())
        problem = &texts_->selectionNoSealFileNamed;
    else if (!(text = readSealFile(sealFilePath(index_.sealFolder(), name))))
        problem = &texts_->selectionSealFileUnreadable;
    else if (indexHash(*text, entry.password2) != entry.hash)
        problem = &texts_->selectionIndexHashWrong;
    okEnabled_ = problem == nullptr;
    if (problem)
        prompter_.showMessage(*problem, MessageIcon::Error);
    return okEnabled_;
}

PasswordChangeModel::Outcome PasswordChangeModel::refuse(const QString& message) {
    prompter_.showMessage(message, MessageIcon::Error);
    return Outcome::Refused;
}

// Every check again, in this order, before the one write.
PasswordChangeModel::Outcome PasswordChangeModel::accept() {
    const PasswordChangeTexts& t = *texts_;
    const std::string name = selectedName();
    if (name.empty())
        return refuse(t.noSealSelected);
    if (oldPassword_.empty())
        return refuse(t.oldPasswordEmpty);
    if (newPassword_.empty())
        return refuse(t.newPasswordEmpty);
    if (newPasswordAgain_.empty())
        return refuse(t.newPasswordAgainEmpty);
    if (newPassword_ != newPasswordAgain_)
        return refuse(t.newPasswordsDiffer);
    const SealIndexEntry entry = index_.readEntry(name, IndexReader::StampingProgram);
    if (entry.data.empty())
        return refuse(t.dataEmpty);
    if (entry.vrmfile.empty())
        return refuse(t.noSealFileNamed);
    const std::string path = sealFilePath(index_.sealFolder(), name);
    const auto text = readSealFile(path);
    if (!text)
        return refuse(t.sealFileUnreadable.arg(fromCp932(path)));
    if (entry.hash.empty())
        return refuse(t.hashEmpty);
    if (entry.password2.empty())
        return refuse(t.passwordCodeEmpty);
    if (passwordCode(oldPassword_) != entry.password2)
        return refuse(t.oldPasswordWrong);
    if (indexHash(*text, entry.password2) != entry.hash)
        return refuse(t.indexHashWrong);
    // Both codes in one update: a failed write leaves the seal as it was.
    if (!index_.writePassword(name, newPassword_, *text))
        return refuse(t.indexNotWritten);
    prompter_.showMessage(t.changed, MessageIcon::Information);
    return Outcome::Changed;
}

} // namespace vermil
