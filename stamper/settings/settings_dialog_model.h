#pragma once

#include "common/language.h"

#include <QString>
#include <QStringList>

#include <string>

namespace vermil {

class CVermilinDoc;
class FileChooser;
class HankoSettings;
class Prompter;
class UserProfile;

// The settings dialog (CIndexDlg) without its widgets: the seal index path, the
// automatic stamping mode and the clipboard copy of the current user, and the
// language. OK writes AutoStamp and Clipboard to the user's profile and
// VermilDataFile to hanko.ini, then the document takes the index path (made
// whole: a path typed without a folder lies in the hanko folder), its seal
// folder, the language (empty when none is selected) and the two user values.
class SettingsDialogModel {
public:
    enum class Outcome { Saved, PathNotCp932, NotWritten };

    SettingsDialogModel(Prompter& prompter, UserProfile& profile, const HankoSettings& settings,
                        CVermilinDoc& document);

    const QString& indexPath() const { return indexPath_; }
    void setIndexPath(const QString& path) { indexPath_ = path; }
    int autoStamp() const { return autoStamp_; } // 0, 1 or 2
    void setAutoStamp(int mode) { autoStamp_ = mode == 1 || mode == 2 ? mode : 0; }
    bool clipboard() const { return clipboard_; }
    void setClipboard(bool on) { clipboard_ = on; }

    // The language list as it shows ("English", "Japanese"), and the selected row;
    // -1 when none is selected.
    const QStringList& languages() const { return languages_; }
    int languageRow() const { return languageRow_; }
    void setLanguageRow(int row);

    Language language() const { return language_; }

    // "Ref": an index file; true when one was chosen.
    bool browse(FileChooser& chooser);

    // OK, in the order above. A write that fails is told naming its file, and the
    // dialog stays open (what was written before it stays written).
    Outcome accept();

private:
    Prompter& prompter_;
    UserProfile& profile_;
    const HankoSettings& settings_;
    CVermilinDoc& document_;
    Language language_;
    std::string hankoFolder_;
    QString indexPath_;
    int autoStamp_;
    bool clipboard_;
    QStringList languages_;
    int languageRow_ = -1;
};

} // namespace vermil
