#include "logcheck/ui/checker_dialog.h"
#include "tests/logcheck/generated_log.h"

#include "common/user_profile.h"
#include "tests/support/recording_choosers.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/tab_cycle.h"
#include "tests/support/test_environment.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
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
    explicit DialogUnderTest(Language chosenLanguage = Language::Japanese)
        : language(chosenLanguage), dialog(model, chooser, chosenLanguage) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        // Shortcuts and mnemonics reach the active window only.
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    Language language;
    bool forgotten = forgetStoredPath();
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    UserProfile profile{QStringLiteral("trailscan")};
    CheckerDialogModel model{prompter, profile, QStringLiteral("/default/hanko.log"), language};
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
    // The line numbers stand in the row header, beside each line's first row.
    EXPECT_EQ(rows->headerData(2, Qt::Vertical).toString(), QStringLiteral("2"));
    EXPECT_EQ(rows->headerData(3, Qt::Vertical).toString(), QString());
    EXPECT_EQ(rows->headerData(18, Qt::Vertical).toString(), QStringLiteral("10"));
    EXPECT_TRUE(dialog.resultView()->verticalHeader()->isVisible());
    // The summary, and the first NG line selected.
    EXPECT_EQ(dialog.summaryLabel()->text(),
              QStringLiteral("10 行中 NG 5 行 — 最初は 2 行目（528 バイトをチェック）"));
    EXPECT_EQ(dialog.selectedLines(), std::vector<std::size_t>{1});
    EXPECT_EQ(dialog.resultView()->selectionModel()->selectedRows().size(), 2);
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

TEST(CtrailscanDlg, EscapeCancelsARunningCheckAndASecondEscapeCloses) {
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(4u << 20, 0);
    writeFile(dir / "big.log", log.bytes);
    DialogUnderTest t;
    // Small blocks: the worker waits for the window long before the end of the log.
    CheckOptions tuning;
    tuning.blockBytes = 4096;
    t.model.setTuning(tuning);
    t.dialog.pathEdit()->clear();
    QTest::keyClicks(t.dialog.pathEdit(), qpath(dir / "big.log"));
    QTest::mouseClick(t.dialog.checkButton(), Qt::LeftButton);
    ASSERT_TRUE(t.model.isChecking());

    QTest::keyClick(&t.dialog, Qt::Key_Escape);
    EXPECT_TRUE(t.dialog.isVisible());
    t.model.waitForCheck();
    EXPECT_EQ(t.model.state(), CheckerDialogModel::State::Cancelled);
    EXPECT_LT(t.model.counts().total, log.lines);
    EXPECT_TRUE(t.dialog.statusLabel()->isVisible());

    QTest::keyClick(&t.dialog, Qt::Key_Escape);
    EXPECT_FALSE(t.dialog.isVisible());
    EXPECT_EQ(t.dialog.result(), QDialog::Rejected);
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
    // Small blocks of a big log, and a worker that waits while the window is a
    // few blocks behind: the check is still running when the first lines show.
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(4u << 20, 0);
    writeFile(dir / "big.log", log.bytes);
    CheckOptions tuning;
    tuning.blockBytes = 4096;

    for (Language language : {Language::Japanese, Language::English}) {
        DialogUnderTest t(language);
        t.model.setTuning(tuning);
        t.dialog.pathEdit()->clear();
        QTest::keyClicks(t.dialog.pathEdit(), qpath(dir / "big.log"));
        QTest::mouseClick(t.dialog.checkButton(), Qt::LeftButton);
        EXPECT_TRUE(t.dialog.cancelButton()->isVisible());
        EXPECT_FALSE(t.dialog.checkButton()->isEnabled());
        while (t.model.counts().total < 1)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QTest::mouseClick(t.dialog.cancelButton(), Qt::LeftButton);
        t.model.waitForCheck();

        EXPECT_EQ(t.model.state(), CheckerDialogModel::State::Cancelled);
        EXPECT_LT(t.model.counts().total, log.lines / 10);
        EXPECT_TRUE(t.dialog.checkButton()->isEnabled());
        EXPECT_FALSE(t.dialog.cancelButton()->isVisible());
        EXPECT_TRUE(t.dialog.statusLabel()->isVisible());
        EXPECT_EQ(t.dialog.statusLabel()->text(), language == Language::Japanese
                                                      ? QStringLiteral("チェックを中止しました。")
                                                      : QStringLiteral("Check cancelled."));
    }
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

TEST(CtrailscanDlg, NgOnlyFiltersABigLogAndF3WalksItsNgLinesInBothLanguages) {
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(5u << 20, 997);
    writeFile(dir / "big.log", log.bytes);
    for (Language language : {Language::Japanese, Language::English}) {
        DialogUnderTest t(language);
        EXPECT_EQ(t.dialog.ngOnlyBox()->text(), language == Language::Japanese
                                                    ? QStringLiteral("NG のみ(&N)")
                                                    : QStringLiteral("&NG only"));
        int checks = 0;
        QObject::connect(&t.model, &CheckerDialogModel::reportCleared, [&] { ++checks; });
        t.check(qpath(dir / "big.log"));
        QAbstractItemModel* rows = t.dialog.resultView()->model();
        ASSERT_EQ(rows->rowCount(), int(2 * log.lines));
        EXPECT_EQ(t.dialog.selectedLines(), std::vector<std::size_t>{996});

        // Alt+N, the switch's mnemonic, from the path box.
        t.dialog.pathEdit()->setFocus();
        QTest::keyClick(t.dialog.pathEdit(), Qt::Key_N, Qt::AltModifier);
        // A mnemonic clicks the way a mouse does: pressed, then released a moment later.
        ASSERT_TRUE(QTest::qWaitFor([&] { return t.dialog.ngOnlyBox()->isChecked(); }));
        ASSERT_EQ(rows->rowCount(), int(2 * log.ng));
        EXPECT_EQ(rows->headerData(0, Qt::Vertical).toString(), QStringLiteral("997"));
        EXPECT_EQ(rows->headerData(2, Qt::Vertical).toString(), QStringLiteral("1994"));
        EXPECT_EQ(rows->index(1, 0).data().toString().right(4), QStringLiteral("  NG"));
        EXPECT_EQ(t.dialog.selectedLines(), std::vector<std::size_t>{996});

        // F3 and Shift+F3 wherever the focus is.
        QTest::keyClick(t.dialog.pathEdit(), Qt::Key_F3);
        EXPECT_EQ(t.dialog.selectedLines(), std::vector<std::size_t>{1993});
        QTest::keyClick(t.dialog.resultView(), Qt::Key_F3, Qt::ShiftModifier);
        EXPECT_EQ(t.dialog.selectedLines(), std::vector<std::size_t>{996});
        QTest::keyClick(t.dialog.resultView(), Qt::Key_F3, Qt::ShiftModifier);
        const std::size_t lastNg = 997 * log.ng - 1;
        EXPECT_EQ(t.dialog.selectedLines(), std::vector<std::size_t>{lastNg});

        // Back to every line: the same line stays selected, and in sight.
        QTest::mouseClick(t.dialog.ngOnlyBox(), Qt::LeftButton);
        ASSERT_FALSE(t.dialog.ngOnlyBox()->isChecked());
        ASSERT_EQ(rows->rowCount(), int(2 * log.lines));
        EXPECT_EQ(t.dialog.selectedLines(), std::vector<std::size_t>{lastNg});
        QApplication::processEvents();
        QTableView* view = t.dialog.resultView();
        const int firstRowShown = view->rowAt(0);
        const int lastRowShown = view->rowAt(view->viewport()->height() - 1);
        EXPECT_LE(firstRowShown, int(2 * lastNg));
        EXPECT_TRUE(lastRowShown < 0 || lastRowShown >= int(2 * lastNg));
        // A click on a row makes that line current for F3.
        view->selectRow(2 * 5000 + 1);
        QTest::keyClick(view, Qt::Key_F3);
        EXPECT_EQ(t.dialog.selectedLines(), std::vector<std::size_t>{5981});
        EXPECT_EQ(checks, 1);
        EXPECT_TRUE(t.prompter.messages.isEmpty());
    }
}

TEST(CtrailscanDlg, CtrlShiftCCopiesTheSelectedLinesAsTabSeparatedRows) {
    DialogUnderTest t(Language::English);
    t.check(qpath(dataFile("logcheck/IndependentAltered.log")));
    EXPECT_EQ(t.dialog.summaryLabel()->text(),
              QStringLiteral("NG 5 of 10 lines — first at line 2 (528 bytes checked)"));
    QTableView* view = t.dialog.resultView();
    view->setFocus();
    view->selectionModel()->select(view->model()->index(1, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->selectionModel()->select(view->model()->index(16, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keySequence(view, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    EXPECT_EQ(QApplication::clipboard()->text(), t.model.tabSeparatedTextOf({0, 1, 8}));
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(
        QStringLiteral("1\tOK\tA-001|2012/03/07|09:05|山田|総務部|確認済み|yamada|PC01|")));
    // Ctrl+C still copies the report text.
    QTest::keySequence(view, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), t.model.reportTextOf({0, 1, 8}));
}

TEST(CtrailscanDlg, ADeviceAsTheLogIsRefusedAndTheWindowStaysReady) {
    DialogUnderTest t(Language::English);
    t.check(QStringLiteral("/dev/zero"));
    EXPECT_EQ(
        t.prompter.messages,
        QStringList{QStringLiteral("Error: ファイルエラー:LOGファイルが開けない可能性があります。\n"
                                   "“/dev/zero” is not a regular file (it is a folder, a "
                                   "device or a pipe); choose a log file.")});
    EXPECT_TRUE(t.dialog.checkButton()->isEnabled());
    EXPECT_EQ(t.dialog.totalBox()->text(), QStringLiteral("0"));
    EXPECT_EQ(t.dialog.summaryLabel()->text(), QString());
}

TEST(CtrailscanDlg, TabGoesOnceRoundItsControlsInReadingOrder) {
    DialogUnderTest t;
    t.check(qpath(dataFile("logcheck/IndependentAltered.log")));
    test::expectOneTabRoundInReadingOrder(t.dialog, "log checker");
}
