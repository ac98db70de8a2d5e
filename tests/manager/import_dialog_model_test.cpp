#include "manager/import/import_dialog_model.h"
#include "tests/manager/manager_fixture.h"

#include "sealfiles/seal_verification.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace vermil;
using vermil::test::ManagerFixture;
using vermil::test::writeFile;

namespace {

std::filesystem::path writeRows(const std::filesystem::path& csv, int rows) {
    std::string text;
    for (int i = 1; i <= rows; ++i)
        text += "Seal" + std::to_string(i) + ",pw" + std::to_string(i) +
                ",UP,U2,DOWN,osprf_vrm_default.xml,19,19,YYYY.MM.DD\r\n";
    writeFile(csv, text);
    return csv;
}

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Holds the index's lock, so that an import waits at its first seal.
class IndexLock {
public:
    explicit IndexLock(const std::filesystem::path& index) {
        writeFile(index, "");
        fd_ = ::open(index.c_str(), O_RDWR);
        EXPECT_EQ(::flock(fd_, LOCK_EX), 0);
    }
    ~IndexLock() { release(); }
    void release() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

} // namespace

TEST(ImportDialogModel, ImportsAHundredRowsOnAWorkerWithProgress) {
    ManagerFixture f;
    ImportDialogModel model(f.prompter, f.index(), "5.6.4");
    QSignalSpy states(&model, &ImportDialogModel::stateChanged);
    QSignalSpy progress(&model, &ImportDialogModel::progressChanged);
    model.setCsvPath(qpath(writeRows(f.dir / "seals.csv", 100)));
    ASSERT_TRUE(model.startImport());
    EXPECT_TRUE(model.isImporting());
    EXPECT_FALSE(model.startImport());
    model.waitForImport();

    EXPECT_EQ(model.state(), ImportDialogModel::State::Completed);
    EXPECT_EQ(model.imported(), 100);
    EXPECT_EQ(model.rowsDone(), 100);
    EXPECT_EQ(model.rowsTotal(), 100);
    ASSERT_EQ(states.size(), 2);
    EXPECT_EQ(states[1][0].value<ImportDialogModel::State>(), ImportDialogModel::State::Completed);
    // The figures only grow, and end at the whole file.
    int last = -1;
    for (const QList<QVariant>& shown : progress) {
        EXPECT_GE(shown[0].toInt(), last);
        last = shown[0].toInt();
    }
    EXPECT_EQ(last, 100);
    ASSERT_FALSE(f.prompter.messages.isEmpty());
    EXPECT_TRUE(f.prompter.messages.last().startsWith(
        QStringLiteral("インポート処理が完了しました。\n登録数：100")));
    EXPECT_EQ(f.index().count(), 100);
    for (const std::string& name : f.index().names())
        EXPECT_TRUE(verifySeal(f.index(), name).passed()) << name;
}

TEST(ImportDialogModel, CancelStopsBetweenRowsAndKeepsWhatWasWritten) {
    ManagerFixture f;
    ImportDialogModel model(f.prompter, f.index(), "5.6.4");
    model.setCsvPath(qpath(writeRows(f.dir / "seals.csv", 50)));
    IndexLock lock(f.indexFile);
    ASSERT_TRUE(model.startImport());
    model.cancelImport();
    lock.release();
    model.waitForImport();

    EXPECT_EQ(model.state(), ImportDialogModel::State::Cancelled);
    EXPECT_LT(model.imported(), 50);
    EXPECT_EQ(f.index().count(), model.imported());
    for (const std::string& name : f.index().names())
        EXPECT_TRUE(verifySeal(f.index(), name).passed()) << name;
    EXPECT_EQ(
        f.prompter.messages,
        QStringList{
            QStringLiteral("インポート処理を中止しました。\n登録数：%1").arg(model.imported())});
}

TEST(ImportDialogModel, ALimitReachedWhileImportingIsShownWithTheRowsRegistered) {
    ManagerFixture f;
    ImportDialogModel model(f.prompter, f.index(), "5.6.4");
    model.setCsvPath(qpath(writeRows(f.dir / "seals.csv", 3)));
    IndexLock lock(f.indexFile);
    ASSERT_TRUE(model.startImport());
    // The first progress comes after the file and the room were checked; the
    // worker waits for the lock at its first seal.
    while (model.rowsTotal() == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // Meanwhile another program fills the index.
    writeFile(f.indexFile, "[MAIN_VRM]\r\nNumber=100\r\n");
    lock.release();
    model.waitForImport();

    EXPECT_EQ(model.state(), ImportDialogModel::State::Stopped);
    EXPECT_EQ(model.imported(), 0);
    EXPECT_EQ(f.prompter.messages,
              QStringList{QStringLiteral("Error351: 最大登録数100を越える可能性があります。"
                                         "読み込み処理を中止します。\n登録数：0")});
}

TEST(ImportDialogModel, MessagesOfAStoppedImportComeOnTheUserInterfaceThread) {
    ManagerFixture f;
    ImportDialogModel model(f.prompter, f.index(), "5.6.4");
    ASSERT_TRUE(model.startImport()); // no path
    model.waitForImport();
    EXPECT_EQ(model.state(), ImportDialogModel::State::Stopped);
    EXPECT_EQ(f.prompter.messages,
              QStringList{
                  QStringLiteral("入力ファイル名(CSV)が設定されていません\n設定してください。\n")});

    RecordingFileChooser chooser;
    chooser.answers = {qpath(f.dir / "chosen.csv")};
    model.browse(chooser);
    EXPECT_EQ(model.csvPath(), qpath(f.dir / "chosen.csv"));
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].filter, QStringLiteral("CsvFile(*.csv);;全て(*.*)"));
    EXPECT_EQ(chooser.asked[0].defaultSuffix, QStringLiteral("csv"));
    EXPECT_TRUE(chooser.asked[0].mustExist);
}
