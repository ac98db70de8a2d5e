#pragma once

// A hanko folder with registered seals, written by the suite's own seal writer,
// for the tests of the seal dialog and the password change: a settings file, a
// colour file and a stamp log of its own, and a stamping time that is always
// Wednesday 7 March 2012, 9:05.
#include "common/cp932.h"
#include "common/ini/ini_store.h"
#include "common/keyed_hash.h"
#include "common/user_profile.h"
#include "render/date_local_time.h"
#include "sealfiles/seal_writer.h"
#include "stamper/sealdialog/accepted_stamp.h"
#include "stamper/sealdialog/seal_dialog_model.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <QFile>

#include <gtest/gtest.h>

// Messages print as text when an expectation fails.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vermil::test {

inline LocalTimeFields march7th(StampingTime) {
    return {2012, 3, 7, 3, 9, 5};
}

struct StampingFolder {
    TempDir dir;
    std::filesystem::path hanko = dir / "hanko";
    std::filesystem::path indexFile = hanko / "vrdata" / "index.dat";
    std::filesystem::path settingsFile = hanko / "hanko.ini";
    std::filesystem::path colourFile = dir / "config" / "hanko.ini";
    std::filesystem::path logFile = hanko / "hanko.log";
    SealIndex index{cp932Path(indexFile).value()};

    StampingFolder() {
        std::filesystem::create_directories(hanko);
        std::filesystem::create_directories(colourFile.parent_path());
        // The remembered password of an earlier test must not reach this one.
        QFile::remove(UserProfile(QString::fromLatin1(stamperProfileTitle)).fileName());
    }

    // Registers a seal; its password is kept as the manager keeps it (capitals).
    void addSeal(const std::string& name, const std::string& password,
                 const std::string& up1 = sjis("経理部"), const std::string& down = sjis("山田"),
                 const std::string& format = "'YY.MM.DD") const {
        SealRecord seal;
        seal.name = name;
        seal.password = password;
        seal.definition.up1 = up1;
        seal.definition.down = down;
        seal.definition.format = format;
        ASSERT_EQ(writeSeal(index, seal, SealEntryKind::New).status, SealWriteStatus::Written)
            << name;
    }
    std::filesystem::path sealFile(const std::string& name) const {
        return nativePath(index.sealFolder() + name + ".vrm");
    }
    void setIndexKey(const std::string& seal, std::string_view key, std::string_view value) const {
        ASSERT_TRUE(writeIniString(indexFile, seal, key, value));
    }
    // A new seal file text with an index code that matches it again.
    void replaceSealText(const std::string& seal, const std::string& password,
                         const std::string& text) const {
        writeFile(sealFile(seal), text);
        setIndexKey(seal, "Hash", hash6(text + hash6(password, "VRMMGR"), "VRM77G"));
    }

    SealDialogInputs inputs(std::string_view language = "Japanese") const {
        SealDialogInputs in;
        in.settingsFilePath = cp932Path(settingsFile).value();
        in.indexPath = index.path();
        in.language = std::string(language);
        in.windowsUser = "yamada";
        in.computerName = "KEIRI-PC01";
        in.logFilePath = cp932Path(logFile).value();
        return in;
    }
    std::string settings() const {
        return std::filesystem::exists(settingsFile) ? readFile(settingsFile) : "";
    }
    std::string colours() const {
        return std::filesystem::exists(colourFile) ? readFile(colourFile) : "";
    }
    std::string log() const { return std::filesystem::exists(logFile) ? readFile(logFile) : ""; }
};

// The seal dialog's model over a folder, with a recording prompter and the fixed time.
struct SealDialogUnderTest {
    SealDialogUnderTest(const StampingFolder& folder, SealDialogInputs inputs)
        : model(std::move(inputs), prompter, profile, ColourFile(folder.colourFile), 0, march7th) {}
    RecordingPrompter prompter;
    UserProfile profile{QString::fromLatin1(stamperProfileTitle)};
    SealDialogModel model;

    // What the stamping transaction does with an accepted stamp once it is
    // written: the log line, then the remembered fields.
    void keep() {
        const AcceptedStamp stamp = model.accepted();
        logAcceptedStamp(stamp, prompter);
        rememberAcceptedStamp(stamp, profile);
    }
    // OK, and when it was accepted, keep().
    SealDialogModel::Outcome okAndKeep() {
        const SealDialogModel::Outcome outcome = model.accept();
        if (outcome == SealDialogModel::Outcome::Accepted)
            keep();
        return outcome;
    }
};

} // namespace vermil::test
