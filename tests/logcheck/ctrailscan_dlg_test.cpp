#include "logcheck/ui/ctrailscan_dlg.h"

#include "tests/support/test_environment.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::dataFile;

TEST(CtrailscanDlg, CheckFromTheDialogFillsTheCountersAndTheReport) {
    CtrailscanDlg dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_NE(dialog.findChild<QGroupBox*>(), nullptr);
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("ログファイルパス"));
    EXPECT_EQ(dialog.checkButton()->text(), QStringLiteral("Check"));
    EXPECT_TRUE(dialog.checkButton()->isDefault());
    EXPECT_EQ(dialog.totalBox()->text(), QStringLiteral("0"));

    const QString log =
        QString::fromStdString(dataFile("logcheck/IndependentAltered.log").string());
    dialog.pathEdit()->clear();
    QTest::keyClicks(dialog.pathEdit(), log);
    EXPECT_EQ(dialog.model().logPath(), log);
    QTest::mouseClick(dialog.checkButton(), Qt::LeftButton);
    dialog.model().waitForCheck();

    EXPECT_EQ(dialog.totalBox()->text(), QStringLiteral("10"));
    EXPECT_EQ(dialog.okBox()->text(), QStringLiteral("5"));
    EXPECT_EQ(dialog.ngBox()->text(), QStringLiteral("5"));
    EXPECT_TRUE(dialog.checkButton()->isEnabled());
    QAbstractItemModel* rows = dialog.resultView()->model();
    ASSERT_EQ(rows->rowCount(), 20);
    EXPECT_EQ(rows->index(2, 0).data().toString(),
              QStringLiteral("A-001|2012/03/07|09:05|山本|総務部|確認済み|yamada|PC01|1UWYZGLZ|"));
    EXPECT_EQ(rows->index(3, 0).data().toString(), QStringLiteral("  1Y9DAHUX  NG"));
}
