// The settings dialogs of the stamping program without a display: the settings
// dialog (CIndexDlg), the log path dialog (CFileNameDialog) and the language
// dialog (CLangDlg), with every value in and out, Cancel and failed writes.
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"
#include "common/platform_identity.h"
#include "stamper/settings/language_dialog_model.h"
#include "stamper/settings/log_path_dialog_model.h"
#include "stamper/settings/settings_dialog_model.h"
#include "stamplog/stamp_log.h"
#include "tests/stamper/document_fixture.h"
#include "tests/support/recording_choosers.h"

#include <gtest/gtest.h>

using namespace vermil;
using namespace vermil::test;

namespace {

QString profileValue(const QString& section, const char* key) {
    UserProfile profile(QString::fromLatin1(stamperProfileTitle));
    return profile.value(section, QString::fromLatin1(key), QStringLiteral("(missing)"));
}

QString currentUser() {
    return QString::fromStdString(userName());
}

class IndexDialog : public ::testing::Test {
protected:
    IndexDialog() : document(fixture.open()), settings(fixture.ini()) {}

    SettingsDialogModel makeModel() {
        return SettingsDialogModel(prompter, profile, settings, *document);
    }

    DocumentFixture fixture;
    std::unique_ptr<CVermilinDoc> document;
    HankoSettings settings;
    UserProfile profile{QString::fromLatin1(stamperProfileTitle)};
    RecordingPrompter prompter;
};

} // namespace

TEST_F(IndexDialog, StartsFromTheProfileAndTheDocument) {
    struct Case {
        const char* autoStamp; // nullptr: not stored
        const char* clipboard;
        const char* language;
        int mode;
        bool clipboardOn;
        int languageRow;
    } const cases[] = {
        {nullptr, nullptr, "English", 0, false, 0},
        {"1", "1", "Japanese", 1, true, 1},
        {"2", "0", "English", 2, false, 0},
        {"3", "yes", "Japanese", 0, false, 1},
        {"", "1", "", 0, true, -1},
        {"02", "01", "japanese", 0, false, -1},
    };
    for (const Case& c : cases) {
        clearStamperProfile();
        UserProfile store(QString::fromLatin1(stamperProfileTitle));
        if (c.autoStamp)
            store.setUserValue(QStringLiteral("AutoStamp"), QString::fromLatin1(c.autoStamp));
        if (c.clipboard)
            store.setUserValue(QStringLiteral("Clipboard"), QString::fromLatin1(c.clipboard));
        document->setLanguage(c.language);
        const SettingsDialogModel model = makeModel();
        EXPECT_EQ(model.autoStamp(), c.mode) << c.autoStamp;
        EXPECT_EQ(model.clipboard(), c.clipboardOn) << c.clipboard;
        EXPECT_EQ(model.languages(), QStringList({"English", "Japanese"}));
        EXPECT_EQ(model.languageRow(), c.languageRow) << c.language;
        EXPECT_EQ(model.indexPath(),
                  QString::fromStdString(fixture.folder() + "/vrdata/index.dat"));
    }
}

TEST_F(IndexDialog, OkWritesTheProfileAndHankoIniThenTheDocumentTakesThem) {
    SettingsDialogModel model = makeModel();
    model.setIndexPath(QStringLiteral("/srv/経理/index.dat"));
    model.setAutoStamp(2);
    model.setClipboard(true);
    model.setLanguageRow(1);
    ASSERT_EQ(model.accept(), SettingsDialogModel::Outcome::Saved);

    EXPECT_EQ(profileValue(currentUser(), "AutoStamp"), "2");
    EXPECT_EQ(profileValue(currentUser(), "Clipboard"), "1");
    EXPECT_EQ(readFile(fixture.ini()),
              "[MAIN]\r\nLang=English\r\nVermilDataFile=/srv/" + sjis("経理") + "/index.dat\r\n");
    EXPECT_EQ(document->indexPath(), "/srv/" + sjis("経理") + "/index.dat");
    EXPECT_EQ(document->sealFolder(), "/srv/" + sjis("経理") + "/");
    EXPECT_EQ(document->language(), "Japanese");
    EXPECT_EQ(document->autoStamp(), 2);
    EXPECT_TRUE(document->stamp().drawing.copyToClipboard);
    EXPECT_TRUE(prompter.messages.isEmpty());

    // And back: the mode off and the clipboard off are written as "0".
    SettingsDialogModel again = makeModel();
    again.setAutoStamp(0);
    again.setClipboard(false);
    ASSERT_EQ(again.accept(), SettingsDialogModel::Outcome::Saved);
    EXPECT_EQ(profileValue(currentUser(), "AutoStamp"), "0");
    EXPECT_EQ(profileValue(currentUser(), "Clipboard"), "0");
    EXPECT_EQ(document->autoStamp(), 0);
    EXPECT_FALSE(document->stamp().drawing.copyToClipboard);
}

TEST_F(IndexDialog, Auto2IsWrittenForTheCurrentUserOnly) {
    profile.setValue(QStringLiteral("someone-else"), QStringLiteral("AutoStamp"),
                     QStringLiteral("1"));
    profile.setValue(QStringLiteral("someone-else"), QStringLiteral("Clipboard"),
                     QStringLiteral("1"));
    SettingsDialogModel model = makeModel();
    model.setAutoStamp(2);
    ASSERT_EQ(model.accept(), SettingsDialogModel::Outcome::Saved);
    EXPECT_EQ(profileValue(currentUser(), "AutoStamp"), "2");
    EXPECT_EQ(profileValue(QStringLiteral("someone-else"), "AutoStamp"), "1");
    EXPECT_EQ(profileValue(QStringLiteral("someone-else"), "Clipboard"), "1");
}

TEST_F(IndexDialog, CancelWritesNothing) {
    const std::string iniBefore = readFile(fixture.ini());
    const std::string indexBefore = document->indexPath();
    {
        SettingsDialogModel model = makeModel();
        model.setIndexPath(QStringLiteral("/elsewhere/index.dat"));
        model.setAutoStamp(2);
        model.setClipboard(true);
        model.setLanguageRow(-1);
        // The dialog is closed without OK.
    }
    EXPECT_EQ(readFile(fixture.ini()), iniBefore);
    EXPECT_FALSE(std::filesystem::exists(stamperProfileFile()));
    EXPECT_EQ(document->indexPath(), indexBefore);
    EXPECT_EQ(document->language(), "English");
    EXPECT_EQ(document->autoStamp(), 0);
}

TEST_F(IndexDialog, AnIndexPathWithoutAFolderLiesInTheHankoFolder) {
    struct Case {
        const char* typed;
        std::string stored; // VermilDataFile
        std::string index;  // what the document takes
    } const cases[] = {
        {"index.dat", fixture.folder() + "/index.dat", fixture.folder() + "/index.dat"},
        {"seals/index.dat", fixture.folder() + "/seals/index.dat",
         fixture.folder() + "/seals/index.dat"},
        {"", "", fixture.folder() + "/vrdata/index.dat"}, // empty: the default index
    };
    for (const Case& c : cases) {
        SettingsDialogModel model = makeModel();
        model.setIndexPath(QString::fromUtf8(c.typed));
        ASSERT_EQ(model.accept(), SettingsDialogModel::Outcome::Saved) << c.typed;
        EXPECT_EQ(settings.vermilDataFile(), c.stored) << c.typed;
        EXPECT_EQ(document->indexPath(), c.index);
        EXPECT_EQ(document->sealFolder(), folderOf(c.index) + "/");
    }
}

TEST_F(IndexDialog, FailedWritesAreToldAndKeepTheDialogOpen) {
    // hanko.ini cannot be replaced while a folder stands in its place.
    const std::filesystem::path blocked = fixture.hanko / "blocked.ini";
    std::filesystem::create_directories(blocked);
    const HankoSettings blockedSettings(blocked);
    const std::string indexBefore = document->indexPath();
    SettingsDialogModel model(prompter, profile, blockedSettings, *document);
    model.setIndexPath(QStringLiteral("/srv/index.dat"));
    EXPECT_EQ(model.accept(), SettingsDialogModel::Outcome::NotWritten);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages.front(), "The setting could not be written to " +
                                             QString::fromStdString(blocked.string()) + ".");
    EXPECT_EQ(document->indexPath(), indexBefore);

    // The user's profile, in Japanese.
    document->setLanguage("Japanese");
    prompter.messages.clear();
    const std::filesystem::path profileFile = stamperProfileFile();
    std::filesystem::remove(profileFile);
    std::filesystem::create_directories(profileFile);
    {
        UserProfile blockedProfile(QString::fromLatin1(stamperProfileTitle));
        SettingsDialogModel japanese(prompter, blockedProfile, settings, *document);
        japanese.setAutoStamp(2);
        EXPECT_EQ(japanese.accept(), SettingsDialogModel::Outcome::NotWritten);
    }
    std::filesystem::remove_all(profileFile);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages.front(), "設定を " + QString::fromStdString(profileFile.string()) +
                                             " に書き込めませんでした。");
    EXPECT_EQ(document->autoStamp(), 0);
    EXPECT_EQ(settings.vermilDataFile(), "");
}

TEST_F(IndexDialog, BrowseOffersDataFilesFromTheIndexFolder) {
    SettingsDialogModel model = makeModel();
    RecordingFileChooser chooser;
    chooser.answers = {std::nullopt, QStringLiteral("/srv/seals/other.dat")};
    EXPECT_FALSE(model.browse(chooser));
    EXPECT_EQ(model.indexPath(), QString::fromStdString(fixture.folder() + "/vrdata/index.dat"));
    EXPECT_TRUE(model.browse(chooser));
    EXPECT_EQ(model.indexPath(), "/srv/seals/other.dat");
    ASSERT_EQ(chooser.asked.size(), 2u);
    const FileChoice& asked = chooser.asked.front();
    EXPECT_EQ(asked.purpose, FileChoice::Purpose::Open);
    EXPECT_EQ(asked.title, "Index FilePath Setting");
    EXPECT_EQ(asked.filter, "Data File(*.dat)");
    EXPECT_EQ(asked.defaultSuffix, "dat");
    EXPECT_EQ(asked.initialName, "index.dat");
    EXPECT_EQ(asked.folder, QString::fromStdString(fixture.folder() + "/vrdata"));
    EXPECT_EQ(chooser.asked.back().initialName, "index.dat");
}

TEST_F(IndexDialog, AnEmptyLanguageChoiceAsksTheLanguageDialog) {
    SettingsDialogModel model = makeModel();
    model.setLanguageRow(-1);
    ASSERT_EQ(model.accept(), SettingsDialogModel::Outcome::Saved);
    EXPECT_EQ(document->language(), "");

    ScriptedStartDialogs dialogs;
    chooseLanguageWhenEmpty(*document, dialogs); // cancelled
    EXPECT_EQ(dialogs.languageDialogs, 1);
    EXPECT_EQ(document->language(), "");
    dialogs.language = "English";
    chooseLanguageWhenEmpty(*document, dialogs);
    EXPECT_EQ(dialogs.languageDialogs, 2);
    EXPECT_EQ(document->language(), "English");
    chooseLanguageWhenEmpty(*document, dialogs); // a language is set: no dialog
    EXPECT_EQ(dialogs.languageDialogs, 2);
}

TEST(LanguageDialog, JapaneseIsSelectedFirstAndOkGivesTheChoice) {
    LanguageDialogModel model;
    EXPECT_EQ(model.choice(), LanguageDialogModel::Choice::Japanese);
    EXPECT_EQ(model.accept(), "Japanese");
    model.setChoice(LanguageDialogModel::Choice::English);
    EXPECT_EQ(model.accept(), "English");
}

TEST(LogPathDialog, StartsFromTheDocumentAndOkHandsTheValuesBack) {
    DocumentFixture fixture("[MAIN]\r\nLang=English\r\nHankoLogFile=/srv/log/stamps.log\r\n"
                            "LogFormat=5\r\n[VERMILIN]\r\nLog=0\r\n");
    auto document = fixture.open();
    RecordingPrompter prompter;
    {
        LogPathDialogModel model(prompter, *document);
        EXPECT_EQ(model.logPath(), "/srv/log/stamps.log");
        EXPECT_FALSE(model.outputLog());
        EXPECT_EQ(model.separator(), LogPathDialogModel::Separator::Comma); // any non-zero
        model.setLogPath(QStringLiteral("/srv/log/承認.log"));
        model.setOutputLog(true);
        model.setSeparator(LogPathDialogModel::Separator::Pipe);
        // Cancel: the document keeps its values.
    }
    EXPECT_EQ(document->logFilePath(), "/srv/log/stamps.log");
    EXPECT_EQ(document->logEnabled(), 0);
    EXPECT_EQ(document->logFormat(), 5);

    LogPathDialogModel model(prompter, *document);
    model.setLogPath(QStringLiteral("/srv/log/承認.log"));
    model.setOutputLog(true);
    model.setSeparator(LogPathDialogModel::Separator::Pipe);
    ASSERT_EQ(model.accept(), LogPathDialogModel::Outcome::Accepted);
    EXPECT_EQ(document->logFilePath(), "/srv/log/" + sjis("承認") + ".log");
    EXPECT_EQ(document->logEnabled(), 1);
    EXPECT_EQ(document->logFormat(), 0);
    LogPathDialogModel comma(prompter, *document);
    EXPECT_EQ(comma.separator(), LogPathDialogModel::Separator::Pipe);
    comma.setSeparator(LogPathDialogModel::Separator::Comma);
    comma.accept();
    EXPECT_EQ(document->logFormat(), 1);

    // A path that has no Shift-JIS form is refused; the document keeps the old one.
    LogPathDialogModel refused(prompter, *document);
    refused.setLogPath(QStringLiteral("/srv/log/\U0001F600.log"));
    EXPECT_EQ(refused.accept(), LogPathDialogModel::Outcome::PathNotCp932);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages.front(),
              QStringLiteral("The path /srv/log/\U0001F600.log holds a character that has no "
                             "Shift-JIS form."));
    EXPECT_EQ(document->logFilePath(), "/srv/log/" + sjis("承認") + ".log");
}

TEST(LogPathDialog, BrowseTitleFollowsTheLanguage) {
    DocumentFixture fixture;
    auto document = fixture.open();
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    chooser.answers = {QStringLiteral("/srv/new.txt"), std::nullopt};
    LogPathDialogModel english(prompter, *document);
    EXPECT_TRUE(english.browse(chooser));
    EXPECT_EQ(english.logPath(), "/srv/new.txt");
    document->setLanguage("Japanese");
    LogPathDialogModel japanese(prompter, *document);
    EXPECT_FALSE(japanese.browse(chooser));
    EXPECT_EQ(japanese.logPath(), QString::fromStdString(fixture.folder() + "/hanko.log"));

    ASSERT_EQ(chooser.asked.size(), 2u);
    EXPECT_EQ(chooser.asked[0].title, "Log FilePath Setting");
    EXPECT_EQ(chooser.asked[1].title, "承認ログファイル名設定");
    for (const FileChoice& asked : chooser.asked) {
        EXPECT_EQ(asked.purpose, FileChoice::Purpose::Open);
        EXPECT_FALSE(asked.mustExist);
        EXPECT_EQ(asked.filter, "Text File(*.txt);;Log File(*.log)");
        EXPECT_EQ(asked.defaultSuffix, "txt");
        EXPECT_EQ(asked.initialName, QString::fromStdString(fixture.folder() + "/hanko.log"));
        EXPECT_EQ(asked.folder, QString::fromStdString(fixture.folder()));
    }
}

TEST(LogPathDialog, AClearedPathMakesTheNextStampShowWarning433) {
    DocumentFixture fixture;
    auto document = fixture.open();
    RecordingPrompter prompter;
    LogPathDialogModel model(prompter, *document);
    model.setLogPath(QString());
    ASSERT_EQ(model.accept(), LogPathDialogModel::Outcome::Accepted);
    EXPECT_EQ(document->logFilePath(), "");

    // The next stamp writes its log line to the document's log settings.
    const StampLogTarget target{document->logEnabled() != 0, document->logFilePath(),
                                document->logFormat()};
    StampLogEntry entry;
    entry.name = "A";
    EXPECT_EQ(appendStampLog(entry, target, prompter), StampLogOutcome::NoPath);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages.front(),
              "Warning 433 : ログファイル名が設定されていませんので、ログは出力しません。");
}
