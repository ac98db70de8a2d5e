#include "logcheck/ui/ctrailscan_dlg.h"
#include "tests/logcheck/generated_log.h"

#include "common/recording_choosers.h"
#include "common/recording_prompter.h"
#include "common/user_profile.h"
#include "tests/support/test_environment.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

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

bool forgetStoredPath() {
    return QFile::remove(UserProfile(QStringLiteral("trailscan")).fileName());
}

// The dialog with recording fakes in place of message boxes and file choosers,
// starting without a stored path.
struct DialogUnderTest {
    explicit DialogUnderTest(Language language = Language::Japanese)
        : dialog(model, chooser, language) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    bool forgotten = forgetStoredPath();
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    UserProfile profile{QStringLiteral("trailscan")};
    CheckerDialogModel model{prompter, profile, QStringLiteral("/default/hanko.log")};
    CtrailscanDlg dialog;

    void check(const QString& log) {
        dialog.pathEdit()->clear();
        QTest::keyClicks(dialog.pathEdit(), log);
        QTest::mouseClick(dialog.checkButton(), Qt::LeftButton);
        model.waitForCheck();
    }
};

} // namespace

TEST(CtrailscanDlg, CheckFromTheDialogFillsTheCountersAndTheReport) {
    DialogUnderTest t;
    CtrailscanDlg& dialog = t.dialog;
    EXPECT_NE(dialog.findChild<QGroupBox*>(), nullptr);
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("ログファイルパス"));
    EXPECT_EQ(dialog.checkButton()->text(), QStringLiteral("Check"));
    EXPECT_TRUE(dialog.checkButton()->isDefault());
    EXPECT_EQ(dialog.totalBox()->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog.pathEdit()->text(), QStringLiteral("/default/hanko.log"));

    const QString log = qpath(dataFile("logcheck/IndependentAltered.log"));
    t.check(log);
    EXPECT_EQ(dialog.model().logPath(), log);

    EXPECT_EQ(dialog.totalBox()->text(), QStringLiteral("10"));
    EXPECT_EQ(dialog.okBox()->text(), QStringLiteral("5"));
    EXPECT_EQ(dialog.ngBox()->text(), QStringLiteral("5"));
    EXPECT_TRUE(dialog.checkButton()->isEnabled());
    QAbstractItemModel* rows = dialog.resultView()->model();
    ASSERT_EQ(rows->rowCount(), 20);
    EXPECT_EQ(rows->index(2, 0).data().toString(),
              QStringLiteral("A-001|2012/03/07|09:05|山本|総務部|確認済み|yamada|PC01|1UWYZGLZ|"));
    EXPECT_EQ(rows->index(3, 0).data().toString(), QStringLiteral("  1Y9DAHUX  NG"));
    EXPECT_TRUE(t.prompter.messages.isEmpty());
}

TEST(CtrailscanDlg, ALogOfManyBlocksIsShownWhole) {
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(5u << 20, 1000);
    writeFile(dir / "big.log", log.bytes);
    DialogUnderTest t;
    for (int run = 0; run < 2; ++run) {
        t.check(qpath(dir / "big.log"));
        EXPECT_EQ(t.dialog.totalBox()->text(), QString::number(log.lines));
        EXPECT_EQ(t.dialog.ngBox()->text(), QString::number(log.ng));
        EXPECT_EQ(t.dialog.resultView()->model()->rowCount(), int(2 * log.lines));
    }
    t.dialog.resultView()->scrollToBottom();
    QApplication::processEvents();
    EXPECT_TRUE(t.prompter.messages.isEmpty());
}

TEST(CtrailscanDlg, RefTakesTheChosenLogAndAnUnreadableOneIsTold) {
    DialogUnderTest t;
    t.chooser.answers = {QStringLiteral("/nowhere/missing.log")};
    QTest::mouseClick(t.dialog.browseButton(), Qt::LeftButton);
    ASSERT_EQ(t.chooser.asked.size(), 1u);
    EXPECT_EQ(t.chooser.asked.front().initialName, QStringLiteral("/default/hanko.log"));
    EXPECT_EQ(t.dialog.pathEdit()->text(), QStringLiteral("/nowhere/missing.log"));

    QTest::mouseClick(t.dialog.checkButton(), Qt::LeftButton);
    EXPECT_EQ(t.prompter.messages,
              QStringList{
                  QStringLiteral("Error: ファイルエラー:LOGファイルが開けない可能性があります。")});
    EXPECT_TRUE(t.dialog.checkButton()->isEnabled());
    EXPECT_FALSE(t.dialog.statusLabel()->isVisible());
}

TEST(CtrailscanDlg, CancelStopsTheCheckAndSaysSo) {
    // A pipe keeps the check waiting until the test lets it go on.
    TempDir dir;
    const auto pipePath = dir / "growing.log";
    ASSERT_EQ(::mkfifo(pipePath.c_str(), 0600), 0);
    const int writer = ::open(pipePath.c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    const std::string lines = test::generateLog(1, 0).bytes;

    for (Language language : {Language::Japanese, Language::English}) {
        DialogUnderTest t(language);
        t.dialog.pathEdit()->clear();
        QTest::keyClicks(t.dialog.pathEdit(), qpath(pipePath));
        QTest::mouseClick(t.dialog.checkButton(), Qt::LeftButton);
        EXPECT_TRUE(t.dialog.cancelButton()->isVisible());
        EXPECT_FALSE(t.dialog.checkButton()->isEnabled());
        ASSERT_EQ(::write(writer, lines.data(), lines.size()), ssize_t(lines.size()));
        while (t.model.counts().total < 1)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QTest::mouseClick(t.dialog.cancelButton(), Qt::LeftButton);
        ASSERT_EQ(::write(writer, lines.data(), lines.size()), ssize_t(lines.size()));
        t.model.waitForCheck();

        EXPECT_EQ(t.model.state(), CheckerDialogModel::State::Cancelled);
        EXPECT_TRUE(t.dialog.checkButton()->isEnabled());
        EXPECT_FALSE(t.dialog.cancelButton()->isVisible());
        EXPECT_TRUE(t.dialog.statusLabel()->isVisible());
        EXPECT_EQ(t.dialog.statusLabel()->text(), language == Language::Japanese
                                                      ? QStringLiteral("チェックを中止しました。")
                                                      : QStringLiteral("Check cancelled."));
    }
    ::close(writer);
}

TEST(CtrailscanDlg, CopyPutsTheSelectedLinesOnTheClipboardAsTheReportReads) {
    DialogUnderTest t;
    t.check(qpath(dataFile("logcheck/IndependentAltered.log")));
    QTableView* view = t.dialog.resultView();
    view->setFocus();
    // Rows 3 (the verdict of line 1) and 14..15 (line 7): the whole lines are copied.
    view->selectionModel()->select(view->model()->index(3, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(view->model()->index(14, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keySequence(view, QKeySequence::Copy);
    const std::string expected =
        t.model.report().reportText(1, 2) + t.model.report().reportText(7, 8);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
}
