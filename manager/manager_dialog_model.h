#pragma once

#include "manager/import/import_dialog_model.h"
#include "manager/sealform/edit_seal_model.h"
#include "manager/sealform/register_seal_model.h"
#include "manager_setting_model.h"
#include "shown_seal.h"

#include "render/date_local_time.h"
#include "render/seal_drawing_input.h"
#include "sealfiles/seal_index.h"

#include "common/colour_file.h"
#include "common/hanko_settings.h"
#include "common/language.h"
#include "common/suite_version.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

class FileChooser;
class Prompter;

// The manager's main dialog (CVrmgrDlg) without its widgets: the index in use,
// the list of its seals in index order, the selected seal's fields and picture,
// delete, the choice of another index, and the models of the dialogs it opens.
// Every command reads the index again, so the list reflects the file. Messages
// are Japanese; captions follow the language.
class ManagerDialogModel {
public:
    ManagerDialogModel(Prompter& prompter, std::string hankoFolder,
                       std::string versionText = std::string(indexVersionText));

    // Start-up: the index of MAIN/VermilDataFile (else vrdata/index.dat in the
    // hanko folder), stored back when it exists, else WARNING 345 and on Yes the
    // index file choice; the language of MAIN/Lang; the list.
    void start(FileChooser& chooser);
    // The command line: this index for one run, nothing stored.
    void useIndex(std::string indexPath);

    const std::string& hankoFolder() const { return hankoFolder_; }
    const HankoSettings& settings() const { return settings_; }
    const SealIndex& index() const { return index_; }
    const std::string& indexPath() const { return index_.path(); }
    const std::string& sealFolder() const { return index_.sealFolder(); }

    const std::string& languageValue() const { return language_; }
    Language language() const { return languageOf(language_); }

    const std::vector<std::string>& names() const { return names_; }
    // Reads the list again; the selection stays on its seal while it is listed.
    void refreshList();
    // The index changed on disk, written by another program: the list read again, the
    // selection kept by name and its seal read again, as another program may have
    // changed it. The seal's warnings were shown when it was selected and are not
    // shown again.
    void reload();

    // The selection: a row of names(), -1 for none. Shows the seal (Warning 340
    // or 341 on the way).
    void selectRow(int row);
    bool selectName(std::string_view name);
    int selectedRow() const { return selectedRow_; }
    bool hasSelection() const { return selectedRow_ >= 0; }
    const ShownSeal& shown() const { return shown_; }
    // What the picture beside the list draws: the selected seal dated `time`.
    std::optional<SealDrawingInput> pictureInput(StampingTime time) const;

    // "参照": another index file; list, seal folder and MAIN/VermilDataFile follow it.
    bool chooseIndexFile(FileChooser& chooser);

    // "追加": the register dialog's model; after its OK, registered() selects the new seal.
    std::unique_ptr<RegisterSealModel> registerModel() const;
    void registered(const RegisterSealModel& model);
    // "編集": nullptr after the message when nothing is selected; edited() shows it again.
    std::unique_ptr<EditSealModel> editModel() const;
    void edited();
    // "インポート": the import dialog's model; imported() fills the list again.
    std::unique_ptr<ImportDialogModel> importModel() const;
    void imported();
    // "設定": the settings dialog's model; settingChosen() takes its OK.
    ManagerSettingModel settingModel() const;
    void settingChosen(std::string language);

    enum class DeleteOutcome { Deleted, NoSelection, Declined, NotRegistered, WriteFailed };
    // "削除": asks first.
    DeleteOutcome deleteSelected();
    // The command line's delete: the same without the question.
    DeleteOutcome deleteSeal(std::string_view name);

private:
    void setIndexPath(std::string indexPath);
    // Takes the seal at this position of the list off the index.
    DeleteOutcome removeAt(std::size_t position);

    Prompter& prompter_;
    std::string hankoFolder_;
    std::string versionText_;
    HankoSettings settings_;
    SealIndex index_;
    std::string language_;
    ColourFile colours_;
    std::vector<std::string> names_;
    int selectedRow_ = -1;
    ShownSeal shown_;
};

} // namespace vermil
