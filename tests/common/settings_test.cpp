#include "common/colour_file.h"
#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"
#include "common/ini/ini_store.h"
#include "common/user_profile.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {
std::string cp(const std::filesystem::path& p) {
    return cp932Path(p).value();
}
} // namespace

TEST(Settings, KeyDefaultsOfAnEmptySettingsFile) {
    TempDir dir;
    HankoSettings settings(dir / "hanko.ini");
    EXPECT_EQ(settings.lang(), "");
    EXPECT_EQ(settings.vermilDataFile(), "");
    EXPECT_FALSE(settings.hankoLogFile().has_value());
    EXPECT_EQ(settings.logFormat(), 0);
    EXPECT_EQ(settings.log(), 1);
    EXPECT_EQ(settings.listBox(), "");
    EXPECT_EQ(settings.dateFormat(), "'YY.MM.DD");
    EXPECT_EQ(settings.sizeX(), "19");
    EXPECT_EQ(settings.sizeY(), "19");
    EXPECT_EQ(settings.managerUp1(), "");
    EXPECT_EQ(settings.commonDocumentNo(), "");
    EXPECT_EQ(settings.sealValue("seal", "NameIn", 300), "");
    EXPECT_FALSE(std::filesystem::exists(dir / "hanko.ini")); // reading creates nothing
}

TEST(Settings, WrittenValuesReadBackWithBufferSizes) {
    TempDir dir;
    HankoSettings settings(dir / "hanko.ini");
    ASSERT_TRUE(settings.setLog(false));
    ASSERT_TRUE(settings.setLogFormat(1));
    ASSERT_TRUE(settings.setListBox(std::string(150, 'n')));
    ASSERT_TRUE(settings.setSealValue("\x8C\x6F\x97\x9D", "NameIn", "x"));
    EXPECT_EQ(settings.log(), 0);
    EXPECT_EQ(settings.logFormat(), 1);
    EXPECT_EQ(settings.listBox(), std::string(99, 'n'));
    EXPECT_EQ(settings.sealValue("\x8C\x6F\x97\x9D", "NameIn", 300), "x");
    EXPECT_EQ(readFile(dir / "hanko.ini"),
              "[VERMILIN]\r\nLog=0\r\nListBox=" + std::string(150, 'n') +
                  "\r\n[MAIN]\r\nLogFormat=1\r\n[\x8C\x6F\x97\x9D]\r\nNameIn=x\r\n");
}

TEST(Settings, NonNumericLogReadsAsOff) {
    TempDir dir;
    writeFile(dir / "hanko.ini", "[VERMILIN]\r\nLog=yes\r\n");
    EXPECT_EQ(HankoSettings(dir / "hanko.ini").log(), 0);
}

TEST(Settings, StampLogPathMissingVersusEmptyKey) {
    TempDir dir;
    const std::string hanko = cp(dir.path());
    HankoSettings settings(dir / "hanko.ini");
    EXPECT_EQ(stampLogPath(settings, hanko), hanko + "/hanko.log");
    writeFile(dir / "hanko.ini", "[MAIN]\r\nHankoLogFile=\r\n");
    EXPECT_EQ(stampLogPath(settings, hanko), hanko + "/hankolog.txt");
    writeFile(dir / "hanko.ini", "[MAIN]\r\nHankoLogFile=/srv/log/stamps.log\r\n");
    EXPECT_EQ(stampLogPath(settings, hanko), "/srv/log/stamps.log");
}

TEST(Settings, IndexPathDefaultIsNotWrittenBack) {
    TempDir dir;
    const std::string hanko = cp(dir.path());
    writeFile(dir / "hanko.ini", "[MAIN]\r\nVermilDataFile=\r\n");
    HankoSettings settings(dir / "hanko.ini");
    EXPECT_EQ(resolveIndexPath(settings, hanko), hanko + "/vrdata/index.dat");
    EXPECT_EQ(readFile(dir / "hanko.ini"), "[MAIN]\r\nVermilDataFile=\r\n");
    settings.setVermilDataFile("/srv/seals/index.dat");
    EXPECT_EQ(resolveIndexPath(settings, hanko), "/srv/seals/index.dat");
}

TEST(Settings, RelativeIndexPathLiesInTheHankoFolder) {
    TempDir dir;
    const std::string hanko = cp(dir.path());
    HankoSettings settings(dir / "hanko.ini");
    // Typed without a folder, the seal folder would have been the root.
    settings.setVermilDataFile("index.dat");
    EXPECT_EQ(resolveIndexPath(settings, hanko), hanko + "/index.dat");
    EXPECT_EQ(sealFolderOf(resolveIndexPath(settings, hanko)), hanko + "/");
    settings.setVermilDataFile("seals/index.dat");
    EXPECT_EQ(resolveIndexPath(settings, hanko), hanko + "/seals/index.dat");
    // What the file holds stays as it was typed.
    EXPECT_EQ(settings.vermilDataFile(), "seals/index.dat");
    EXPECT_EQ(absoluteIndexPath("", hanko), hanko + "/vrdata/index.dat");
    EXPECT_EQ(absoluteIndexPath("/srv/index.dat", hanko), "/srv/index.dat");
}

TEST(Settings, SealFolderIsTheFolderOfTheIndex) {
    EXPECT_EQ(sealFolderOf("/home/a/Documents/vrdata/index.dat"), "/home/a/Documents/vrdata/");
    // 表 ends in a backslash byte; only "/" separates.
    EXPECT_EQ(sealFolderOf("/srv/\x95\x5C/index.dat"), "/srv/\x95\x5C/");
    EXPECT_EQ(sealFolderOf("index.dat"), "/");
}

TEST(Settings, MissingIndexAsksWarning1320) {
    TempDir dir;
    const std::string index = cp(dir / "vrdata" / "index.dat");
    RecordingPrompter prompter;
    prompter.answers = {true};
    EXPECT_TRUE(askForIndexSettingsWhenMissing(index, prompter));
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_EQ(prompter.questions[0],
              QStringLiteral("WARNING 1320: インデックスファイル ") + fromCp932(index) +
                  QStringLiteral(
                      " が存在しません。\nインデックスファイル設定ダイアローグを開きますか？"));
    EXPECT_FALSE(askForIndexSettingsWhenMissing(index, prompter)); // No keeps the path

    writeFile(dir / "vrdata" / "index.dat", "");
    RecordingPrompter quiet;
    EXPECT_FALSE(askForIndexSettingsWhenMissing(index, quiet));
    EXPECT_TRUE(quiet.questions.isEmpty());
}

TEST(Settings, LanguageAtFirstStartFollowsTheLocaleAndIsWrittenBack) {
    struct Case {
        QLocale locale;
        std::string expected;
    } cases[] = {{QLocale(QLocale::Japanese, QLocale::Japan), "Japanese"},
                 {QLocale(QLocale::English, QLocale::UnitedStates), "English"},
                 {QLocale(QLocale::German, QLocale::Germany), "English"}};
    for (const auto& c : cases) {
        TempDir dir;
        HankoSettings settings(dir / "hanko.ini");
        EXPECT_EQ(languageAtStart(settings, c.locale), c.expected);
        EXPECT_EQ(settings.lang(), c.expected);
        // A stored value wins over the locale from then on.
        settings.setLang("Klingon");
        EXPECT_EQ(languageAtStart(settings, c.locale), "Klingon");
    }
}

TEST(Settings, HankoFolderIsTheDocumentsFolderElseTheFallbackWithError1321) {
    RecordingPrompter prompter;
    const auto documents = locateDocumentsFolder();
    ASSERT_TRUE(documents.has_value());
    EXPECT_EQ(nativePath(*documents), vermil::test::testHome() / "Documents");
    EXPECT_TRUE(std::filesystem::is_directory(nativePath(*documents)));
    EXPECT_EQ(findHankoFolder(&prompter), *documents);
    EXPECT_TRUE(prompter.messages.isEmpty());

    EXPECT_EQ(chooseHankoFolder(std::nullopt, &prompter), fallbackHankoFolder);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0],
              QStringLiteral("Error 1321 : Document Folder Path の取得に失敗しました。"));
    EXPECT_EQ(chooseHankoFolder(std::nullopt, nullptr), fallbackHankoFolder);
    EXPECT_EQ(prompter.messages.size(), 1); // the manager and the checker say nothing
    EXPECT_EQ(settingsFilePath("/h"), "/h/hanko.ini");
}

TEST(Settings, ColourFileLivesInTheUserConfigFolder) {
    ColourFile colours;
    EXPECT_EQ(colours.file(), vermil::test::testHome() / ".config" / "Ombrel" / "hanko.ini");
    EXPECT_EQ(colours.colour("\x8C\x6F\x97\x9D"), defaultSealColour);
    ASSERT_TRUE(colours.setColour("\x8C\x6F\x97\x9D", 255));
    EXPECT_EQ(colours.colour("\x8C\x6F\x97\x9D"), 255);
    EXPECT_EQ(readIniValue(colours.file(), "\x8C\x6F\x97\x9D", "Color").value(), "255");
}

TEST(Settings, UserProfileKeepsValuesPerProgramAndUser) {
    {
        UserProfile profile(stamperProfileTitle);
        EXPECT_EQ(profile.userValue("AutoStamp", "0"), "0");
        ASSERT_TRUE(profile.setUserValue("cpw", "1"));
        ASSERT_TRUE(profile.setValue("TRAILSCAN", "LOGFILEPATH", "/srv/hanko.log"));
    }
    UserProfile again(stamperProfileTitle);
    EXPECT_EQ(again.userValue("cpw", "0"), "1");
    EXPECT_EQ(again.value("TRAILSCAN", "LOGFILEPATH", ""), "/srv/hanko.log");
    EXPECT_TRUE(again.fileName().startsWith(
        QString::fromStdString((vermil::test::testHome() / ".config" / "Ombrel").string())));
    UserProfile other(checkerProfileTitle);
    EXPECT_EQ(other.userValue("cpw", "0"), "0");
}

// A line the profile's reader cannot make sense of (left by hand or by another
// program) is no failed save: the values are written and say so.
TEST(Settings, AProfileWithAStrayLineStillSavesAndSaysSo) {
    vermil::test::TempDir dir;
    const std::filesystem::path file = dir / "vermilin.ini";
    vermil::test::writeFile(file, "[root]\ncpw=0\nthis line has no equals sign\n");
    UserProfile profile(
        std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat));
    EXPECT_TRUE(profile.setUserValues({{"cpw", "1"}, {"drowssap", "abc"}}));
    EXPECT_TRUE(profile.setValue("TRAILSCAN", "LOGFILEPATH", "/srv/hanko.log"));
    const QSettings reread(QString::fromStdString(file.string()), QSettings::IniFormat);
    EXPECT_EQ(reread.value("TRAILSCAN/LOGFILEPATH").toString(), "/srv/hanko.log");
}
