#include "logcheck/checker_dialog_model.h"
#include "tests/logcheck/generated_log.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/recording_choosers.h"
#include "common/recording_prompter.h"
#include "common/user_profile.h"
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
    RecordingPrompter prompter;
    UserProfile profile{QStringLiteral("trailscan")};
    CheckerDialogModel model{prompter, profile, QStringLiteral("/default/hanko.log")};
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
    // A pipe lets the test decide when the log has more to read.
    forgetStoredPath();
    TempDir dir;
    const auto pipePath = dir / "growing.log";
    ASSERT_EQ(::mkfifo(pipePath.c_str(), 0600), 0);
    const int writer = ::open(pipePath.c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    const std::string line = "A-001|2012/03/07|09:05|Smith|Sales|ok|yamada|PC01|1C4KS1XF|\r\n";
    auto feed = [&](int lines) {
        std::string bytes;
        for (int i = 0; i < lines; ++i)
            bytes += line;
        ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    };

    ModelUnderTest t;
    CheckerDialogModel& model = t.model;
    model.setLogPath(qpath(pipePath));
    ASSERT_TRUE(model.startCheck());
    EXPECT_EQ(model.progressPermille(), -1); // a pipe has no size to measure against
    feed(3);
    while (model.counts().total < 3)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    model.cancelCheck();
    // The checker may be waiting for more: it reads these, then stops before reading on.
    feed(2);
    model.waitForCheck();
    ::close(writer);

    EXPECT_EQ(model.state(), CheckerDialogModel::State::Cancelled);
    EXPECT_GE(model.counts().total, 3u);
    EXPECT_EQ(model.counts().ok, model.counts().total);
    EXPECT_EQ(model.report().size(), model.counts().total);
    EXPECT_EQ(storedPath(), QStringLiteral("-"));
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
