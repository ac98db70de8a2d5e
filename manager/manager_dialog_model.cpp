#include "manager_dialog_model.h"

#include "manager/manager_dialog_texts.h"
#include "seal_picture_input.h"

#include "common/cp932.h"
#include "common/files/write_failure.h"
#include "common/hanko_folders.h"
#include "common/interaction/chooser_folder.h"
#include "common/interaction/file_chooser.h"
#include "common/interaction/prompter.h"

#include <algorithm>
#include <filesystem>

namespace vermil {

ManagerDialogModel::ManagerDialogModel(Prompter& prompter, std::string hankoFolder,
                                       std::string versionText)
    : prompter_(prompter), hankoFolder_(std::move(hankoFolder)),
      versionText_(std::move(versionText)), settings_(nativePath(settingsFilePath(hankoFolder_))),
      index_(defaultIndexPath(hankoFolder_)) {}

void ManagerDialogModel::start(FileChooser& chooser) {
    setIndexPath(resolveIndexPath(settings_, hankoFolder_));
    if (indexFileExists(indexPath()))
        settings_.setVermilDataFile(indexPath());
    else if (prompter_.askYesNo(managerdialogtexts::indexMissing(indexPath()),
                                MessageIcon::Warning))
        chooseIndexFile(chooser);
    language_ = settings_.lang();
    refreshList();
}

void ManagerDialogModel::useIndex(std::string indexPath) {
    setIndexPath(std::move(indexPath));
    language_ = settings_.lang();
    refreshList();
}

void ManagerDialogModel::setIndexPath(std::string indexPath) {
    index_ = SealIndex(std::move(indexPath));
    // Read as empty it would look like an index without seals: say what it is.
    if (const std::error_code problem = index_.fileProblem())
        prompter_.showMessage(managerdialogtexts::indexUnusable(
                                  index_.path(), QString::fromStdString(problem.message())),
                              MessageIcon::Warning);
}

void ManagerDialogModel::refreshList() {
    const std::string selected = hasSelection() ? shown_.name : std::string();
    const int row = selectedRow_;
    names_ = index_.names();
    if (!hasSelection())
        return;
    // The same row when it still holds the seal, else the seal's new row.
    if (row < static_cast<int>(names_.size()) && names_[row] == selected)
        return;
    const auto at = std::find(names_.begin(), names_.end(), selected);
    selectedRow_ = at == names_.end() ? -1 : static_cast<int>(at - names_.begin());
    if (!hasSelection())
        shown_ = {};
}

void ManagerDialogModel::reload() {
    refreshList();
    if (!hasSelection())
        return;
    class Quiet : public Prompter {
    public:
        void showMessage(const QString&, MessageIcon) override {}
        bool askYesNo(const QString&, MessageIcon) override { return false; }
    } quiet;
    shown_ = readShownSeal(index_, names_[selectedRow_], settings_, quiet);
}

void ManagerDialogModel::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(names_.size())) {
        selectedRow_ = -1;
        shown_ = {};
        return;
    }
    selectedRow_ = row;
    shown_ = readShownSeal(index_, names_[row], settings_, prompter_);
}

bool ManagerDialogModel::selectName(std::string_view name) {
    const auto at = std::find(names_.begin(), names_.end(), name);
    selectRow(at == names_.end() ? -1 : static_cast<int>(at - names_.begin()));
    return hasSelection();
}

std::optional<SealDrawingInput> ManagerDialogModel::pictureInput(StampingTime time) const {
    if (!hasSelection())
        return std::nullopt;
    return sealPictureInput(shown_, sealFolder(),
                            static_cast<std::uint32_t>(colours_.colour(shown_.name)), time);
}

bool ManagerDialogModel::chooseIndexFile(FileChooser& chooser) {
    FileChoice choice;
    choice.title = managerMessages().indexChooserTitle;
    choice.filter = managerMessages().indexChooserFilter;
    choice.defaultSuffix = QStringLiteral("dat");
    // On the first start the seal folder is not there yet and the chooser would open
    // wherever the program was started, with every seal file following the index there.
    if (indexPath() == defaultIndexPath(hankoFolder_)) {
        std::error_code ignored;
        std::filesystem::create_directories(nativePath(folderOf(indexPath())), ignored);
    }
    choice.initialName = fromCp932(indexPath());
    choice.folder = chooserFolder(fromCp932(indexPath()), hankoFolder_);
    const auto chosen = chooser.chooseFile(choice);
    if (!chosen)
        return false;
    const auto path = toCp932(*chosen);
    if (!path) {
        prompter_.showMessage(managerMessages().indexPathNotStorable.arg(*chosen),
                              MessageIcon::Warning);
        return false;
    }
    setIndexPath(*path);
    selectRow(-1);
    refreshList();
    settings_.setVermilDataFile(indexPath());
    return true;
}

std::unique_ptr<RegisterSealModel> ManagerDialogModel::registerModel() const {
    return std::make_unique<RegisterSealModel>(prompter_, settings_, index_, versionText_);
}

void ManagerDialogModel::registered(const RegisterSealModel& model) {
    refreshList();
    selectName(model.registeredName());
}

std::unique_ptr<EditSealModel> ManagerDialogModel::editModel() const {
    if (!hasSelection()) {
        prompter_.showMessage(managerMessages().noSealToEdit, MessageIcon::Warning);
        return nullptr;
    }
    return std::make_unique<EditSealModel>(prompter_, index_, versionText_, shown_);
}

void ManagerDialogModel::edited() {
    refreshList();
    if (hasSelection())
        selectRow(selectedRow_);
}

std::unique_ptr<ImportDialogModel> ManagerDialogModel::importModel() const {
    return std::make_unique<ImportDialogModel>(prompter_, index_, versionText_);
}

void ManagerDialogModel::imported() {
    refreshList();
}

ManagerSettingModel ManagerDialogModel::settingModel() const {
    return ManagerSettingModel(settings_, language_);
}

void ManagerDialogModel::settingChosen(std::string language) {
    language_ = std::move(language);
}

ManagerDialogModel::DeleteOutcome ManagerDialogModel::deleteSelected() {
    refreshList();
    if (!hasSelection()) {
        prompter_.showMessage(managerMessages().noSealToDelete, MessageIcon::Warning);
        return DeleteOutcome::NoSelection;
    }
    if (!prompter_.askOkCancel(managerMessages().confirmDelete, MessageIcon::Question))
        return DeleteOutcome::Declined;
    return removeAt(static_cast<std::size_t>(selectedRow_));
}

ManagerDialogModel::DeleteOutcome ManagerDialogModel::deleteSeal(std::string_view name) {
    refreshList();
    const auto at = std::find(names_.begin(), names_.end(), name);
    if (at == names_.end()) {
        prompter_.showMessage(managerdialogtexts::notRegistered(name), MessageIcon::Warning);
        return DeleteOutcome::NotRegistered;
    }
    return removeAt(static_cast<std::size_t>(at - names_.begin()));
}

ManagerDialogModel::DeleteOutcome ManagerDialogModel::removeAt(std::size_t position) {
    // A copy: refreshList() replaces the list.
    const std::string name = names_[position];
    std::error_code error;
    switch (index_.remove(position, name, error)) {
    case SealIndex::RemoveOutcome::Removed:
        break;
    case SealIndex::RemoveOutcome::NotListed:
        // Another program took it off the list meanwhile: show the list as it is.
        selectRow(-1);
        refreshList();
        prompter_.showMessage(managerdialogtexts::notRegistered(name), MessageIcon::Warning);
        return DeleteOutcome::NotRegistered;
    case SealIndex::RemoveOutcome::WriteFailed:
        prompter_.showMessage(withWriteFailureCause(managerMessages().deleteFailed, error),
                              MessageIcon::Error);
        return DeleteOutcome::WriteFailed;
    }
    selectRow(-1);
    refreshList();
    return DeleteOutcome::Deleted;
}

} // namespace vermil
