#pragma once

#include "stamper/document/stamp_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace vermil {

class DocumentStartDialogs;
class Prompter;

// One stamp of the stamping program, and the program's settings while it runs.
// Construction finds the hanko folder, reads the settings and the user's values
// (asking for the language and reporting a missing index on the way); destruction
// writes the log settings, the last seal and the language back to hanko.ini, each
// only when it changed since it was read or is missing from the file, so that a
// value another program set meanwhile is kept.
class CVermilinDoc {
public:
    // The hanko folder is the user's documents folder (Error 1321 and the fallback
    // folder when there is none).
    CVermilinDoc(Prompter& prompter, DocumentStartDialogs& dialogs);
    // The same with the documents folder given; nullopt stands for "not found".
    CVermilinDoc(Prompter& prompter, DocumentStartDialogs& dialogs,
                 const std::optional<std::string>& documentsFolder);
    ~CVermilinDoc();
    CVermilinDoc(const CVermilinDoc&) = delete;
    CVermilinDoc& operator=(const CVermilinDoc&) = delete;

    // Native data of the stamp (see native_data.h). Loading throws NativeDataError
    // and then leaves the document unchanged.
    std::string saveNativeData();
    void loadNativeData(std::string_view bytes);

    StampRecord& stamp() { return stamp_; }
    const StampRecord& stamp() const { return stamp_; }
    // What the painter draws from; it writes automatic font sizes back into it.
    SealDrawingInput& drawingInput() { return stamp_.drawing; }

    const std::string& hankoFolder() const { return hankoFolder_; }
    const std::string& settingsFilePath() const { return settingsFilePath_; }

    const std::string& indexPath() const { return indexPath_; }
    const std::string& sealFolder() const { return sealFolder_; }
    // Also sets the seal folder: the index path's folder followed by "/".
    void setIndexPath(std::string_view path);

    const std::string& logFilePath() const { return logFilePath_; }
    void setLogFilePath(std::string_view path) { logFilePath_ = path; }
    int logEnabled() const { return logEnabled_; }
    void setLogEnabled(bool enabled) { logEnabled_ = enabled ? 1 : 0; }
    int logFormat() const { return logFormat_; }
    void setLogFormat(int format) { logFormat_ = format; }
    const std::string& lastSeal() const { return lastSeal_; }
    void setLastSeal(std::string_view seal) { lastSeal_ = seal; }
    const std::string& language() const { return language_; }
    void setLanguage(std::string_view language) { language_ = language; }
    // The settings dialog's AutoStamp choice, for the next stamp (the user profile
    // holds it too).
    void setAutoStamp(int mode) { autoStamp_ = mode == 1 || mode == 2 ? mode : 0; }

    bool rememberPassword() const { return rememberPassword_; }
    int autoStamp() const { return autoStamp_; } // 0 off, 1 or 2 the automatic modes

    // Who works with the program now, and where: a new stamp records them, also in
    // a stamp reopened from native data that carries someone else's.
    const std::string& currentUser() const { return currentUser_; }
    const std::string& currentComputer() const { return currentComputer_; }

    // The command-line verbs change none of the five settings and write none of
    // them back, whatever their outcome.
    void setWritesSettingsAtClose(bool writes) { writesSettingsAtClose_ = writes; }

private:
    // The five settings as the document holds them.
    struct WrittenBack {
        std::string logFilePath;
        int logEnabled = 1;
        int logFormat = 0;
        std::string lastSeal;
        std::string language;
    };

    void readSettings();
    void readUserValues();
    WrittenBack writtenBack() const;
    void writeSettings() const noexcept;

    std::string hankoFolder_;
    std::string settingsFilePath_;
    std::string logFilePath_;
    int logEnabled_ = 1;
    int logFormat_ = 0;
    std::string lastSeal_;
    std::string language_;
    std::string indexPath_;
    std::string sealFolder_;
    bool rememberPassword_ = false;
    int autoStamp_ = 0;
    std::string currentUser_;
    std::string currentComputer_;
    WrittenBack asRead_;
    bool writesSettingsAtClose_ = true;
    StampRecord stamp_;
};

} // namespace vermil
