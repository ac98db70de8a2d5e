#pragma once

// A stamp document in a hanko folder of its own, for the tests of the dialogs and
// the view that work on one.
#include "common/cp932.h"
#include "common/user_profile.h"
#include "stamper/document/document_start_dialogs.h"
#include "stamper/document/stamp_document.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>

#include <memory>

namespace vermil::test {

// Answers the document's start-up dialogs from a script and counts them.
class ScriptedStartDialogs : public DocumentStartDialogs {
public:
    std::optional<std::string> chooseLanguage() override {
        ++languageDialogs;
        return language;
    }
    void editIndexSettings(CVermilinDoc&) override { ++indexDialogs; }

    std::optional<std::string> language;
    int languageDialogs = 0;
    int indexDialogs = 0;
};

// The per-user store of the stamping program, emptied.
inline void clearStamperProfile() {
    UserProfile profile(QString::fromLatin1(stamperProfileTitle));
    QFile::remove(profile.fileName());
}

inline std::filesystem::path stamperProfileFile() {
    return UserProfile(QString::fromLatin1(stamperProfileTitle)).fileName().toStdString();
}

class DocumentFixture {
public:
    // hanko.ini holds `settings` (CP932 bytes); the seal index exists.
    explicit DocumentFixture(const std::string& settings = "[MAIN]\r\nLang=English\r\n") {
        clearStamperProfile();
        writeFile(hanko / "hanko.ini", settings);
        writeFile(hanko / "vrdata" / "index.dat", "[MAIN_VRM]\r\nNumber=0\r\n");
    }

    std::string folder() const { return cp932Path(hanko.path()).value(); }
    std::filesystem::path ini() const { return hanko / "hanko.ini"; }

    // A fresh document over the folder; what it writes at its end goes to hanko.ini.
    std::unique_ptr<CVermilinDoc> open() {
        return std::make_unique<CVermilinDoc>(prompter, dialogs,
                                              std::optional<std::string>(folder()));
    }

    TempDir hanko;
    RecordingPrompter prompter;
    ScriptedStartDialogs dialogs;
};

} // namespace vermil::test
