#include "common/cp932.h"
#include "common/hanko_settings.h"
#include "common/platform_identity.h"
#include "common/user_profile.h"
#include "stamper/document/document_start_dialogs.h"
#include "stamper/document/native_data.h"
#include "stamper/document/stamp_document.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

// Records the order of everything the document asks, with scripted answers.
class RecordingStartDialogs : public DocumentStartDialogs {
public:
    explicit RecordingStartDialogs(std::vector<std::string>& events) : events_(events) {}
    std::optional<std::string> chooseLanguage() override {
        events_.push_back("language dialog");
        return language;
    }
    void editIndexSettings(CVermilinDoc& document) override {
        events_.push_back("index settings");
        if (onIndexSettings)
            onIndexSettings(document);
    }
    std::optional<std::string> language;
    std::function<void(CVermilinDoc&)> onIndexSettings;

private:
    std::vector<std::string>& events_;
};

class EventPrompter : public RecordingPrompter {
public:
    explicit EventPrompter(std::vector<std::string>& events) : events_(events) {}
    void showMessage(const QString& text, MessageIcon icon) override {
        events_.push_back(text.toStdString());
        RecordingPrompter::showMessage(text, icon);
    }
    bool askYesNo(const QString& text, MessageIcon icon) override {
        events_.push_back(text.toStdString());
        return RecordingPrompter::askYesNo(text, icon);
    }

private:
    std::vector<std::string>& events_;
};

class StampDocument : public ::testing::Test {
protected:
    StampDocument() : prompter(events), dialogs(events) {
        UserProfile profile(QString::fromLatin1(stamperProfileTitle));
        for (const char* key : {"cpw", "AutoStamp", "Clipboard"})
            profile.setUserValue(QString::fromLatin1(key), QStringLiteral("0"));
    }

    std::string folder() const { return cp932Path(hanko.path()).value(); }
    std::filesystem::path ini() const { return hanko / "hanko.ini"; }
    void writeIndex() const { writeFile(hanko / "vrdata/index.dat", "[MAIN]\r\n"); }

    TempDir hanko;
    std::vector<std::string> events;
    EventPrompter prompter;
    RecordingStartDialogs dialogs;
};

std::string missingIndexWarning(const std::string& path) {
    return "WARNING 1320: インデックスファイル " + path +
           " が存在しません。\nインデックスファイル設定ダイアローグを開きますか？";
}

} // namespace

TEST_F(StampDocument, StartsFromAnEmptyHankoFolderInOrder) {
    dialogs.language = "English";
    CVermilinDoc doc(prompter, dialogs, folder());

    EXPECT_EQ(doc.hankoFolder(), folder());
    EXPECT_EQ(doc.settingsFilePath(), folder() + "/hanko.ini");
    EXPECT_EQ(doc.indexPath(), folder() + "/vrdata/index.dat");
    EXPECT_EQ(doc.sealFolder(), folder() + "/vrdata/");
    EXPECT_EQ(doc.logFilePath(), folder() + "/hanko.log");
    EXPECT_EQ(doc.logEnabled(), 1);
    EXPECT_EQ(doc.logFormat(), 0);
    EXPECT_EQ(doc.lastSeal(), "");
    EXPECT_EQ(doc.language(), "English");
    EXPECT_EQ(events, (std::vector<std::string>{
                          "language dialog", missingIndexWarning(folder() + "/vrdata/index.dat")}));

    const StampRecord& s = doc.stamp();
    EXPECT_EQ(s.programVersion, "Ver5.6.4");
    EXPECT_EQ(s.recordedVersion, "Ver5.6.4");
    EXPECT_EQ(s.computerName, computerName());
    EXPECT_EQ(s.windowsUser, userName());
    EXPECT_EQ(s.sizeX, "16");
    EXPECT_EQ(s.sizeY, "16");
    EXPECT_EQ(s.shape, 0);
    EXPECT_EQ(s.drawing.colour, 77055u);
    EXPECT_EQ(s.drawing.penWidth, 2);
    EXPECT_EQ(s.drawing.upperText1, "");
    EXPECT_FALSE(doc.rememberPassword());
    EXPECT_EQ(doc.autoStamp(), 0);
    EXPECT_FALSE(s.drawing.copyToClipboard);
    EXPECT_FALSE(std::filesystem::exists(ini())); // nothing written before destruction
}

TEST_F(StampDocument, ReadsTheSettingsFileAndAsksNothingWhenAllIsThere) {
    writeIndex();
    writeFile(ini(), sjis("[MAIN]\r\nLang=Japanese\r\nHankoLogFile=\r\nLogFormat=1\r\n"
                          "[VERMILIN]\r\nLog=0\r\nListBox=経理\r\n"));
    CVermilinDoc doc(prompter, dialogs, folder());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(doc.language(), "Japanese");
    EXPECT_EQ(doc.logFilePath(), folder() + "/hankolog.txt");
    EXPECT_EQ(doc.logFormat(), 1);
    EXPECT_EQ(doc.logEnabled(), 0);
    EXPECT_EQ(doc.lastSeal(), sjis("経理"));
}

TEST_F(StampDocument, ChosenIndexPathAndItsSealFolder) {
    writeFile(hanko / "seals/index.dat", "");
    writeFile(ini(),
              "[MAIN]\r\nLang=English\r\nVermilDataFile=" + folder() + "/seals/index.dat\r\n");
    CVermilinDoc doc(prompter, dialogs, folder());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(doc.indexPath(), folder() + "/seals/index.dat");
    EXPECT_EQ(doc.sealFolder(), folder() + "/seals/");
}

TEST_F(StampDocument, YesToTheMissingIndexOpensTheIndexSettings) {
    writeFile(ini(), "[MAIN]\r\nLang=English\r\n");
    prompter.answers = {true};
    dialogs.onIndexSettings = [&](CVermilinDoc& doc) { doc.setIndexPath("/elsewhere/idx.dat"); };
    CVermilinDoc doc(prompter, dialogs, folder());
    EXPECT_EQ(events, (std::vector<std::string>{missingIndexWarning(folder() + "/vrdata/index.dat"),
                                                "index settings"}));
    EXPECT_EQ(doc.indexPath(), "/elsewhere/idx.dat");
    EXPECT_EQ(doc.sealFolder(), "/elsewhere/");
}

TEST_F(StampDocument, CancelledLanguageDialogLeavesTheLanguageEmpty) {
    writeIndex();
    CVermilinDoc doc(prompter, dialogs, folder());
    EXPECT_EQ(events, std::vector<std::string>{"language dialog"});
    EXPECT_EQ(doc.language(), "");
}

TEST_F(StampDocument, MissingDocumentsFolderReports1321AndFallsBack) {
    CVermilinDoc doc(prompter, dialogs, std::nullopt);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "Error 1321 : Document Folder Path の取得に失敗しました。");
    EXPECT_EQ(doc.hankoFolder(), "/var/lib/vermil/hanko");
    EXPECT_EQ(doc.settingsFilePath(), "/var/lib/vermil/hanko/hanko.ini");
}

TEST_F(StampDocument, ValuesOfTheUserProfile) {
    struct Case {
        const char *cpw, *autoStamp, *clipboard;
        bool remember;
        int mode;
        bool clip;
    };
    const Case cases[] = {
        {"1", "1", "1", true, 1, true},
        {"0", "2", "0", false, 2, false},
        {"yes", "3", "true", false, 0, false},
    };
    writeIndex();
    writeFile(ini(), "[MAIN]\r\nLang=English\r\n");
    for (const auto& c : cases) {
        UserProfile profile(QString::fromLatin1(stamperProfileTitle));
        profile.setUserValue(QStringLiteral("cpw"), QString::fromLatin1(c.cpw));
        profile.setUserValue(QStringLiteral("AutoStamp"), QString::fromLatin1(c.autoStamp));
        profile.setUserValue(QStringLiteral("Clipboard"), QString::fromLatin1(c.clipboard));
        CVermilinDoc doc(prompter, dialogs, folder());
        EXPECT_EQ(doc.rememberPassword(), c.remember) << c.cpw;
        EXPECT_EQ(doc.autoStamp(), c.mode) << c.autoStamp;
        EXPECT_EQ(doc.stamp().drawing.copyToClipboard, c.clip) << c.clipboard;
    }
}

TEST_F(StampDocument, DestructionWritesTheSettingsBackAndKeepsTheRest) {
    writeIndex();
    writeFile(ini(), "; kept\r\n[MAIN]\r\nVermilDataFile=\r\nLogFormat=7\r\n"
                     "[VERMILIN]\r\nLog=5\r\nDateFormat=YY.MM.DD\r\n");
    dialogs.language = "Japanese";
    {
        CVermilinDoc doc(prompter, dialogs, folder());
        EXPECT_EQ(doc.logEnabled(), 5);
        doc.setLastSeal(sjis("経理"));
    }
    // The missing keys are filled, the changed ones written; Log and LogFormat,
    // unchanged since they were read, keep their bytes.
    EXPECT_EQ(readFile(ini()), sjis("; kept\r\n[MAIN]\r\nVermilDataFile=\r\nLogFormat=7\r\n"
                                    "HankoLogFile=" +
                                    cp932ToUtf8(folder()) +
                                    "/hanko.log\r\nLang=Japanese\r\n"
                                    "[VERMILIN]\r\nLog=5\r\nDateFormat=YY.MM.DD\r\n"
                                    "ListBox=経理\r\n"));

    {
        CVermilinDoc doc(prompter, dialogs, folder());
        doc.setLogEnabled(false);
        doc.setLogFormat(1);
        doc.setLogFilePath("/logs/stamp.log");
        doc.setLanguage("English");
        doc.setLastSeal("");
    }
    const HankoSettings settings(ini());
    EXPECT_EQ(settings.log(), 0);
    EXPECT_EQ(settings.logFormat(), 1);
    EXPECT_EQ(settings.hankoLogFile(), "/logs/stamp.log");
    EXPECT_EQ(settings.lang(), "English");
    EXPECT_EQ(settings.listBox(), "");
}

TEST_F(StampDocument, ClosingKeepsWhatAnotherProgramChangedMeanwhile) {
    writeIndex();
    const std::string start = "[MAIN]\r\nLang=English\r\nHankoLogFile=/logs/a.log\r\n"
                              "LogFormat=0\r\n[VERMILIN]\r\nLog=1\r\nListBox=seal\r\n";
    writeFile(ini(), start);
    {
        CVermilinDoc doc(prompter, dialogs, folder());
        // Meanwhile the settings dialog of a second instance changes the language
        // and the log path.
        const HankoSettings other(ini());
        other.setLang("Japanese");
        other.setHankoLogFile("/logs/b.log");
        doc.setLogFormat(1); // this document changes only the separator
    }
    const HankoSettings settings(ini());
    EXPECT_EQ(settings.lang(), "Japanese");
    EXPECT_EQ(settings.hankoLogFile(), "/logs/b.log");
    EXPECT_EQ(settings.logFormat(), 1);
    EXPECT_EQ(settings.listBox(), "seal");

    // Nothing changed and nothing missing: the file keeps every byte.
    writeFile(ini(), start);
    { CVermilinDoc doc(prompter, dialogs, folder()); }
    EXPECT_EQ(readFile(ini()), start);

    // A document of a command-line verb writes nothing back, not even missing keys.
    writeFile(ini(), "[MAIN]\r\nLang=English\r\n");
    {
        CVermilinDoc doc(prompter, dialogs, folder());
        doc.setWritesSettingsAtClose(false);
        doc.setLastSeal("x");
    }
    EXPECT_EQ(readFile(ini()), "[MAIN]\r\nLang=English\r\n");
}

TEST_F(StampDocument, NativeDataSavedAndLoadedThroughTheDocument) {
    writeIndex();
    writeFile(ini(), "[MAIN]\r\nLang=English\r\n");
    std::string bytes;
    {
        CVermilinDoc doc(prompter, dialogs, folder());
        doc.stamp().approverName = sjis("山田");
        doc.stamp().shape = 1;
        doc.drawingInput().upperText1 = sjis("経理部");
        doc.drawingInput().penWidth = 5;
        bytes = doc.saveNativeData();
        EXPECT_EQ(doc.stamp().stampTypeCode, 0);
    }
    CVermilinDoc reopened(prompter, dialogs, folder());
    reopened.loadNativeData(bytes);
    EXPECT_EQ(reopened.stamp().approverName, sjis("山田"));
    EXPECT_EQ(reopened.stamp().shape, 1);
    EXPECT_EQ(reopened.drawingInput().upperText1, sjis("経理部"));
    EXPECT_EQ(reopened.drawingInput().penWidth, 5);
    EXPECT_EQ(reopened.stamp().recordedVersion, "Ver5.6.4");

    EXPECT_THROW(reopened.loadNativeData(bytes.substr(0, bytes.size() - 1)), NativeDataError);
    EXPECT_EQ(reopened.stamp().approverName, sjis("山田"));
}
