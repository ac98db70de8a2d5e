#include "logcheck/checker_dialog_model.h"
#include "tests/logcheck/generated_log.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/user_profile.h"
#include "tests/support/recording_choosers.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vermil;
using vermil::test::dataFile;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

QString storedPath() {
    return UserProfile(QStringLiteral("trailscan"))
        .value(QStringLiteral("TRAILSCAN"), QStringLiteral("LOGFILEPATH"), QStringLiteral("-"));
}

void forgetStoredPath() {
    QFile::remove(UserProfile(QStringLiteral("trailscan")).fileName());
}

// The model as the program makes it: the checker's own profile, the default
// log in the hanko folder.
struct ModelUnderTest {
    explicit ModelUnderTest(Language chosenLanguage = Language::English)
        : language(chosenLanguage) {}
    Language language;
    RecordingPrompter prompter;
    UserProfile profile{QStringLiteral("trailscan")};
    CheckerDialogModel model{prompter, profile, QStringLiteral("/default/hanko.log"), language};
};

const QString emptyPathMessage =
    QStringLiteral("ログファイル名(log)が設定されていません\n設定してください。\n");
const QString cannotOpenMessage =
    QStringLiteral("Error: ファイルエラー:LOGファイルが開けない可能性があります。");

} // namespace

TEST(CheckerDialogModel, StartsWithTheDocumentsLogUntilACheckStoresItsPath) {
    forgetStoredPath();
    // The program's default: the stamp log in the hanko folder, the documents folder.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(fromCp932(defaultStampLogPath(findHankoFolder(nullptr))),
              QDir::cleanPath(documents) + QStringLiteral("/hanko.log"));
    {
        ModelUnderTest t;
        EXPECT_EQ(t.model.logPath(), QStringLiteral("/default/hanko.log"));
        t.model.setLogPath(qpath(dataFile("logcheck/IndependentClean.log")));
        ASSERT_TRUE(t.model.startCheck());
        t.model.waitForCheck();
        EXPECT_EQ(t.model.state(), CheckerDialogModel::State::Finished);
        EXPECT_TRUE(t.prompter.messages.isEmpty());
    }
    EXPECT_EQ(storedPath(), qpath(dataFile("logcheck/IndependentClean.log")));
    ModelUnderTest next;
    EXPECT_EQ(next.model.logPath(), qpath(dataFile("logcheck/IndependentClean.log")));
}

TEST(CheckerDialogModel, CheckFillsTheReportAndTheCounts) {
    ModelUnderTest t;
    CheckerDialogModel& model = t.model;
    std::size_t added = 0;
    QObject::connect(&model, &CheckerDialogModel::linesAdded,
                     [&](std::size_t, std::size_t count) { added += count; });
    model.setLogPath(qpath(dataFile("logcheck/IndependentAltered.log")));
    ASSERT_TRUE(model.startCheck());
    EXPECT_TRUE(model.isChecking());
    model.waitForCheck();
    QCoreApplication::processEvents(); // the worker's late wake-up finds nothing left
    EXPECT_EQ(model.counts(), (CheckCounts{10, 5, 5}));
    EXPECT_EQ(added, 10u);
    ASSERT_EQ(model.report().size(), 10u);
    EXPECT_EQ(model.report().reportText(6, 8), "QUAVERLY|\n  QUAVERLY  OK\n\n  QUAVERLY  NG\n");
    EXPECT_EQ(model.progressPermille(), 1000);

    // Each check starts from zero.
    model.setLogPath(qpath(dataFile("logcheck/IndependentClean.log")));
    ASSERT_TRUE(model.startCheck());
    model.waitForCheck();
    EXPECT_EQ(model.counts(), (CheckCounts{4, 4, 0}));
    EXPECT_EQ(model.report().size(), 4u);
}

TEST(CheckerDialogModel, EmptyOrUnreadablePathsAreToldAndNotStored) {
    forgetStoredPath();
    TempDir dir;
    ModelUnderTest t;
    RecordingPrompter& prompter = t.prompter;
    CheckerDialogModel& model = t.model;
    model.setLogPath(QString());
    EXPECT_FALSE(model.startCheck());
    model.setLogPath(qpath(dir / "missing.log"));
    EXPECT_FALSE(model.startCheck());
    EXPECT_EQ(prompter.messages, (QStringList{emptyPathMessage, cannotOpenMessage}));
    EXPECT_EQ(model.counts(), CheckCounts{});
    EXPECT_EQ(storedPath(), QStringLiteral("-"));
}

TEST(CheckerDialogModel, ACancelledCheckKeepsWhatItFoundButNotThePath) {
    // Small blocks, and a worker that never runs more than a few blocks ahead of
    // the window: a cancel on the first lines shown stops the check long before
    // the end of the log.
    forgetStoredPath();
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(4u << 20, 0);
    writeFile(dir / "big.log", log.bytes);
    ModelUnderTest t;
    CheckerDialogModel& model = t.model;
    CheckOptions tuning;
    tuning.blockBytes = 4096;
    model.setTuning(tuning);
    QObject::connect(&model, &CheckerDialogModel::linesAdded, &model,
                     &CheckerDialogModel::cancelCheck);
    model.setLogPath(qpath(dir / "big.log"));
    ASSERT_TRUE(model.startCheck());
    model.waitForCheck();

    EXPECT_EQ(model.state(), CheckerDialogModel::State::Cancelled);
    EXPECT_GT(model.counts().total, 0u);
    EXPECT_LT(model.counts().total, log.lines / 10);
    EXPECT_EQ(model.counts().ok, model.counts().total);
    EXPECT_EQ(model.report().size(), model.counts().total);
    EXPECT_GT(model.bytesChecked(), 0u);
    EXPECT_LT(model.bytesChecked(), log.bytes.size() / 10);
    EXPECT_EQ(model.progressPermille(), 0);
    EXPECT_EQ(storedPath(), QStringLiteral("-"));
    EXPECT_TRUE(t.prompter.messages.isEmpty());
}

TEST(CheckerDialogModel, EscapeCancelsARunningCheckAndOtherwiseLeavesTheWindowToClose) {
    TempDir dir;
    writeFile(dir / "big.log", test::generateLog(4u << 20, 0).bytes);
    ModelUnderTest t;
    CheckerDialogModel& model = t.model;
    EXPECT_FALSE(model.cancelRunningCheck());
    // Small blocks: the worker waits for the window long before the end of the log.
    CheckOptions tuning;
    tuning.blockBytes = 4096;
    model.setTuning(tuning);
    model.setLogPath(qpath(dir / "big.log"));
    ASSERT_TRUE(model.startCheck());
    EXPECT_TRUE(model.cancelRunningCheck());
    model.waitForCheck();
    EXPECT_EQ(model.state(), CheckerDialogModel::State::Cancelled);
    EXPECT_FALSE(model.cancelRunningCheck());
}

TEST(CheckerDialogModel, BeepsAtMostOncePerTenthOfASecond) {
    TempDir dir;
    std::string bad;
    for (int i = 0; i < 50000; ++i)
        bad += "bad|line|\r\n";
    writeFile(dir / "bad.log", bad);
    ModelUnderTest t;
    CheckerDialogModel& model = t.model;
    BeepLimiter::Clock::time_point now{};
    model.setClock([&] { return now; });
    int beeps = 0;
    QObject::connect(&model, &CheckerDialogModel::beepRequested, [&] { ++beeps; });
    model.setLogPath(qpath(dir / "bad.log"));
    ASSERT_TRUE(model.startCheck());
    model.waitForCheck();
    EXPECT_EQ(model.counts().ng, 50000u);
    EXPECT_EQ(beeps, 1);

    now += std::chrono::milliseconds(99);
    ASSERT_TRUE(model.startCheck());
    model.waitForCheck();
    EXPECT_EQ(beeps, 1);
    now += std::chrono::milliseconds(1);
    ASSERT_TRUE(model.startCheck());
    model.waitForCheck();
    EXPECT_EQ(beeps, 2);

    model.setLogPath(qpath(dataFile("logcheck/IndependentClean.log")));
    now += std::chrono::seconds(1);
    ASSERT_TRUE(model.startCheck());
    model.waitForCheck();
    EXPECT_EQ(beeps, 2); // all OK: silence
}

TEST(CheckerDialogModel, BrowseOffersExistingLogsAndTakesTheChosenFile) {
    ModelUnderTest t;
    CheckerDialogModel& model = t.model;
    model.setLogPath(QStringLiteral("/logs/old.log"));
    RecordingFileChooser chooser;
    chooser.answers = {std::nullopt, QStringLiteral("/logs/new.log")};
    model.browse(chooser, QStringLiteral("Open"));
    EXPECT_EQ(model.logPath(), QStringLiteral("/logs/old.log"));
    model.browse(chooser, QStringLiteral("Open"));
    EXPECT_EQ(model.logPath(), QStringLiteral("/logs/new.log"));
    ASSERT_EQ(chooser.asked.size(), 2u);
    const FileChoice& asked = chooser.asked.front();
    EXPECT_EQ(asked.title, QStringLiteral("Open"));
    EXPECT_EQ(asked.initialName, QStringLiteral("/logs/old.log"));
    EXPECT_EQ(asked.filter, QStringLiteral("LogFile(*.log);;TextFile(*.txt);;全て(*.*)"));
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("log"));
    EXPECT_TRUE(asked.mustExist);
    EXPECT_EQ(asked.purpose, FileChoice::Purpose::Open);
}

TEST(CheckerDialogModel, BrowseOpensInTheLogsFolderElseInTheHankoFolder) {
    const std::filesystem::path documents = test::testHome() / "Documents";
    std::filesystem::create_directories(documents);
    TempDir dir;
    writeFile(dir / "hanko.log", "");
    ModelUnderTest t;
    RecordingFileChooser chooser;
    t.model.setLogPath(QStringLiteral("/no/such/folder/old.log"));
    t.model.browse(chooser, QStringLiteral("Open"));
    t.model.setLogPath(qpath(dir / "hanko.log"));
    t.model.browse(chooser, QStringLiteral("Open"));
    ASSERT_EQ(chooser.asked.size(), 2u);
    EXPECT_EQ(chooser.asked[0].folder, qpath(documents));
    EXPECT_EQ(chooser.asked[1].folder, qpath(dir.path()));
}

TEST(CheckerDialogModel, AMultiMegabyteLogThroughTheWindowsSinkGivesTheRightCounts) {
    // Several blocks on several workers: the blocks the window takes are moved
    // out and their buffers read into again.
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(5u << 20, 997);
    writeFile(dir / "big.log", log.bytes);
    ModelUnderTest t;
    std::vector<CheckerDialogModel::State> states;
    QObject::connect(&t.model, &CheckerDialogModel::stateChanged,
                     [&](CheckerDialogModel::State state) { states.push_back(state); });
    t.model.setLogPath(qpath(dir / "big.log"));
    for (int run = 0; run < 3; ++run) {
        ASSERT_TRUE(t.model.startCheck());
        t.model.waitForCheck();
        EXPECT_EQ(t.model.state(), CheckerDialogModel::State::Finished);
        EXPECT_EQ(t.model.counts(), (CheckCounts{log.lines, log.lines - log.ng, log.ng}));
        ASSERT_EQ(t.model.report().size(), log.lines);
        const std::size_t lastStart = log.bytes.rfind("\r\n", log.bytes.size() - 3) + 2;
        EXPECT_EQ(t.model.report().text(log.lines - 1),
                  log.bytes.substr(lastStart, log.bytes.size() - 2 - lastStart));
        EXPECT_FALSE(t.model.report().line(996).ok);
        EXPECT_TRUE(t.model.report().line(997).ok);
    }
    EXPECT_EQ(states,
              (std::vector<CheckerDialogModel::State>{
                  CheckerDialogModel::State::Checking, CheckerDialogModel::State::Finished,
                  CheckerDialogModel::State::Checking, CheckerDialogModel::State::Finished,
                  CheckerDialogModel::State::Checking, CheckerDialogModel::State::Finished}));
    EXPECT_TRUE(t.prompter.messages.isEmpty());
}

TEST(CheckerDialogModel, CopyTextIsTheReportOfTheChosenLinesInFileOrder) {
    ModelUnderTest t;
    t.model.setLogPath(qpath(dataFile("logcheck/IndependentAltered.log")));
    ASSERT_TRUE(t.model.startCheck());
    t.model.waitForCheck();
    const std::string expected =
        t.model.report().reportText(1, 2) + t.model.report().reportText(7, 8);
    EXPECT_EQ(t.model.reportTextOf({7, 1, 7}).toStdString(), expected);
    EXPECT_EQ(t.model.reportTextOf({99}), QString());
    EXPECT_EQ(t.model.reportTextOf({}), QString());
}

TEST(CheckerDialogModel, TheNgFilterShowsTheNgLinesOfABigLogWithoutCheckingAgain) {
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(5u << 20, 997);
    writeFile(dir / "big.log", log.bytes);
    ModelUnderTest t;
    CheckerDialogModel& model = t.model;
    int checks = 0;
    int resets = 0;
    QObject::connect(&model, &CheckerDialogModel::reportCleared, [&] { ++checks; });
    QObject::connect(&model, &CheckerDialogModel::shownLinesReset, [&] { ++resets; });
    model.setLogPath(qpath(dir / "big.log"));
    ASSERT_TRUE(model.startCheck());
    model.waitForCheck();
    ASSERT_EQ(model.report().ngLines().size(), log.ng);
    EXPECT_EQ(model.shownLineCount(), log.lines);
    EXPECT_EQ(model.shownLine(1234), 1234u);

    model.setNgOnly(true);
    EXPECT_TRUE(model.ngOnly());
    EXPECT_EQ(resets, 1);
    ASSERT_EQ(model.shownLineCount(), log.ng);
    for (std::size_t i = 0; i < log.ng; ++i)
        ASSERT_EQ(model.shownLine(i), 997 * (i + 1) - 1);
    EXPECT_EQ(model.shownIndexOf(996), std::optional<std::size_t>(0));
    EXPECT_EQ(model.shownIndexOf(997 * 5 - 1), std::optional<std::size_t>(4));
    EXPECT_EQ(model.shownIndexOf(997), std::nullopt); // an OK line is not shown

    model.setNgOnly(false);
    EXPECT_EQ(model.shownLineCount(), log.lines);
    EXPECT_EQ(model.shownIndexOf(997), std::optional<std::size_t>(997));
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(model.state(), CheckerDialogModel::State::Finished);
}

TEST(CheckerDialogModel, F3WalksFromNgLineToNgLineAndRoundTheEnds) {
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(1u << 20, 1000);
    writeFile(dir / "big.log", log.bytes);
    const std::size_t lastNg = 1000 * log.ng - 1;
    ModelUnderTest t;
    CheckerDialogModel& model = t.model;
    std::vector<std::size_t> shown;
    QObject::connect(&model, &CheckerDialogModel::currentLineChanged,
                     [&](std::size_t line) { shown.push_back(line); });
    EXPECT_FALSE(model.goToNextNg()); // nothing checked yet
    model.setLogPath(qpath(dir / "big.log"));
    ASSERT_TRUE(model.startCheck());
    model.waitForCheck();
    // The first NG line is current after the check.
    EXPECT_EQ(model.currentLine(), std::optional<std::size_t>(999));
    EXPECT_EQ(shown, std::vector<std::size_t>{999});

    EXPECT_TRUE(model.goToNextNg());
    EXPECT_EQ(model.currentLine(), std::optional<std::size_t>(1999));
    EXPECT_TRUE(model.goToPreviousNg());
    EXPECT_TRUE(model.goToPreviousNg()); // from the first round to the last
    EXPECT_EQ(model.currentLine(), std::optional<std::size_t>(lastNg));
    EXPECT_TRUE(model.goToNextNg()); // from the last round to the first
    EXPECT_EQ(model.currentLine(), std::optional<std::size_t>(999));
    // From a line the user chose: the NG lines around it.
    model.setCurrentLine(5500);
    EXPECT_TRUE(model.goToNextNg());
    EXPECT_EQ(model.currentLine(), std::optional<std::size_t>(5999));
    model.setCurrentLine(5500);
    EXPECT_TRUE(model.goToPreviousNg());
    EXPECT_EQ(model.currentLine(), std::optional<std::size_t>(4999));

    // The filter keeps an NG line current, and puts the next NG line in place of an OK one.
    model.setCurrentLine(7001);
    model.setNgOnly(true);
    EXPECT_EQ(model.currentLine(), std::optional<std::size_t>(7999));
    model.setNgOnly(false);
    EXPECT_EQ(model.currentLine(), std::optional<std::size_t>(7999));
    EXPECT_EQ(shown.back(), 7999u);

    // A clean log has nowhere to go.
    model.setLogPath(qpath(dataFile("logcheck/IndependentClean.log")));
    ASSERT_TRUE(model.startCheck());
    model.waitForCheck();
    EXPECT_EQ(model.currentLine(), std::nullopt);
    EXPECT_FALSE(model.goToNextNg());
    EXPECT_FALSE(model.goToPreviousNg());
}

TEST(CheckerDialogModel, TheSummarySaysHowManyLinesAreNgWhereTheFirstIsAndTheBytesChecked) {
    TempDir dir;
    writeFile(dir / "empty.log", "");
    writeFile(dir / "one.log", "QUAVERLY|\r\n");
    const test::GeneratedLog big = test::generateLog(5u << 20, 997);
    writeFile(dir / "big.log", big.bytes);
    struct Case {
        std::filesystem::path log;
        const char* english;
        const char* japanese;
    } const cases[] = {
        {dataFile("logcheck/IndependentAltered.log"),
         "NG 5 of 10 lines — first at line 2 (528 bytes checked)",
         "10 行中 NG 5 行 — 最初は 2 行目（528 バイトをチェック）"},
        {dataFile("logcheck/IndependentClean.log"), "No NG in 4 lines (271 bytes checked)",
         "4 行中 NG なし（271 バイトをチェック）"},
        {dir / "one.log", "No NG in 1 line (11 bytes checked)",
         "1 行中 NG なし（11 バイトをチェック）"},
        {dir / "empty.log", "The log has no lines (0 bytes checked)",
         "ログに行がありません（0 バイトをチェック）"},
        {dir / "big.log", "NG 75 of 75,057 lines — first at line 997 (5,242,884 bytes checked)",
         "75,057 行中 NG 75 行 — 最初は 997 行目（5,242,884 バイトをチェック）"},
    };
    ASSERT_EQ(big.lines, 75057u);
    ASSERT_EQ(big.bytes.size(), 5242884u);
    for (Language language : {Language::English, Language::Japanese}) {
        ModelUnderTest t(language);
        EXPECT_EQ(t.model.summaryText(), QString());
        for (const Case& c : cases) {
            t.model.setLogPath(qpath(c.log));
            ASSERT_TRUE(t.model.startCheck());
            t.model.waitForCheck();
            EXPECT_EQ(t.model.summaryText(),
                      QString::fromUtf8(language == Language::English ? c.english : c.japanese));
        }
        t.model.setLogPath(qpath(dir / "missing.log"));
        EXPECT_FALSE(t.model.startCheck());
        EXPECT_EQ(t.model.summaryText(), QString());
    }
}

TEST(CheckerDialogModel, TabSeparatedCopyHasTheLineNumberVerdictAndText) {
    TempDir dir;
    writeFile(dir / "hanko.log",
              sjis("A-001|山田|") + "1C4KS1XF|\r\n" +
                  "A-001|2012/03/07|09:05|Smith|Sales|ok|yamada|PC01|1C4KS1XF|\r\n" +
                  "tab\there|say \"so\"|X|\r\n");
    ModelUnderTest t;
    t.model.setLogPath(qpath(dir / "hanko.log"));
    ASSERT_TRUE(t.model.startCheck());
    t.model.waitForCheck();
    // A text with a tab or a quote is quoted as a spreadsheet reads it.
    EXPECT_EQ(t.model.tabSeparatedTextOf({2, 0, 1, 0, 9}),
              QStringLiteral("1\tNG\tA-001|山田|1C4KS1XF|\n"
                             "2\tOK\tA-001|2012/03/07|09:05|Smith|Sales|ok|yamada|PC01|1C4KS1XF|\n"
                             "3\tNG\t\"tab\there|say \"\"so\"\"|X|\"\n"));
    EXPECT_EQ(t.model.tabSeparatedTextOf({}), QString());
}

TEST(CheckerDialogModel, DevicesAndPipesAreRefusedAtOnceInEitherLanguage) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe.log").c_str(), 0600), 0);
    for (Language language : {Language::English, Language::Japanese}) {
        ModelUnderTest t(language);
        for (const QString& path : {QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"),
                                    qpath(dir / "pipe.log"), qpath(dir.path())}) {
            t.model.setLogPath(path);
            EXPECT_FALSE(t.model.startCheck());
            EXPECT_EQ(t.model.state(), CheckerDialogModel::State::Failed);
            const QString reason =
                language == Language::English
                    ? QStringLiteral("“%1” is not a regular file (it is a folder, a device or a "
                                     "pipe); choose a log file.")
                    : QStringLiteral("「%1」は通常のファイルではありません（フォルダ、デバイス、"
                                     "パイプなど）。ログファイルを指定してください。");
            EXPECT_EQ(t.prompter.messages.value(t.prompter.messages.size() - 1),
                      cannotOpenMessage + QLatin1Char('\n') + reason.arg(path));
        }
        EXPECT_EQ(t.prompter.messages.size(), 4);
    }
}

TEST(CheckerDialogModel, ALogThatGrowsWhileTheWindowChecksItIsCheckedAsItWas) {
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(2u << 20, 0);
    writeFile(dir / "hanko.log", log.bytes);
    ModelUnderTest t;
    CheckOptions tuning;
    tuning.blockBytes = 4096;
    t.model.setTuning(tuning);
    // The worker is a few blocks ahead at most when the first lines show: the
    // lines written then lie far beyond what it has read.
    int appended = 0;
    QObject::connect(&t.model, &CheckerDialogModel::linesAdded, [&] {
        if (appended++ < 3) {
            std::FILE* file = std::fopen((dir / "hanko.log").c_str(), "ab");
            const std::string more = test::generateLog(64u << 10, 1).bytes;
            std::fwrite(more.data(), 1, more.size(), file);
            std::fclose(file);
        }
    });
    t.model.setLogPath(qpath(dir / "hanko.log"));
    ASSERT_TRUE(t.model.startCheck());
    t.model.waitForCheck();
    EXPECT_EQ(t.model.state(), CheckerDialogModel::State::Finished);
    EXPECT_EQ(t.model.counts(), (CheckCounts{log.lines, log.lines, 0}));
    EXPECT_EQ(t.model.bytesChecked(), log.bytes.size());
    EXPECT_GT(std::filesystem::file_size(dir / "hanko.log"), log.bytes.size());
}
