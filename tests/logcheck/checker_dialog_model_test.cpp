#include "logcheck/checker_dialog_model.h"

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

class FixedChooser : public LogFileChooser {
public:
    explicit FixedChooser(std::optional<QString> answer) : answer_(std::move(answer)) {}
    std::optional<QString> chooseLogFile(const QString& currentPath) override {
        offered = currentPath;
        return answer_;
    }
    QString offered;

private:
    std::optional<QString> answer_;
};

const QString emptyPathMessage =
    QStringLiteral("ログファイル名(log)が設定されていません\n設定してください。\n");
const QString cannotOpenMessage =
    QStringLiteral("Error: ファイルエラー:LOGファイルが開けない可能性があります。");

} // namespace

TEST(CheckerDialogModel, StartsWithTheDocumentsLogUntilACheckStoresItsPath) {
    forgetStoredPath();
    RecordingPrompter prompter;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    {
        CheckerDialogModel model(prompter);
        EXPECT_EQ(model.logPath(), QDir::cleanPath(documents) + QStringLiteral("/hanko.log"));
        model.setLogPath(qpath(dataFile("logcheck/IndependentClean.log")));
        ASSERT_TRUE(model.startCheck());
        model.waitForCheck();
        EXPECT_EQ(model.state(), CheckerDialogModel::State::Finished);
    }
    EXPECT_EQ(storedPath(), qpath(dataFile("logcheck/IndependentClean.log")));
    CheckerDialogModel next(prompter);
    EXPECT_EQ(next.logPath(), qpath(dataFile("logcheck/IndependentClean.log")));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(CheckerDialogModel, CheckFillsTheReportAndTheCounts) {
    RecordingPrompter prompter;
    CheckerDialogModel model(prompter);
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
    RecordingPrompter prompter;
    CheckerDialogModel model(prompter);
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

    RecordingPrompter prompter;
    CheckerDialogModel model(prompter);
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
    RecordingPrompter prompter;
    CheckerDialogModel model(prompter);
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

TEST(CheckerDialogModel, BrowseTakesTheChosenFile) {
    RecordingPrompter prompter;
    CheckerDialogModel model(prompter);
    model.setLogPath(QStringLiteral("/logs/old.log"));
    FixedChooser cancelled(std::nullopt);
    model.browse(cancelled);
    EXPECT_EQ(cancelled.offered, QStringLiteral("/logs/old.log"));
    EXPECT_EQ(model.logPath(), QStringLiteral("/logs/old.log"));
    FixedChooser chosen(QStringLiteral("/logs/new.log"));
    model.browse(chosen);
    EXPECT_EQ(model.logPath(), QStringLiteral("/logs/new.log"));
}
