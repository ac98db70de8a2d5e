// The password change window offscreen: the list, the password boxes and OK
// reach the model.
#include "stamper/sealdialog/ui/password_change_dialog.h"
#include "tests/stamper/stamping_folder.h"

#include "widgets/password_edit.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::StampingFolder;

namespace {

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(PasswdDlg, TheBoxesReachTheModelAndOkClosesOnlyAfterTheChange) {
    StampingFolder folder;
    folder.addSeal("beta", "B");
    folder.addSeal("alpha", "A");
    folder.setIndexKey("alpha", "Data", "");
    RecordingPrompter prompter;
    PasswordChangeModel model({"BETA", folder.index.path(), "English"}, prompter);
    CPasswdDlg dialog(model);
    dialog.start();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Change Password");
    ASSERT_EQ(dialog.sealList()->count(), 2);
    EXPECT_EQ(dialog.sealList()->item(0)->text(), "alpha"); // sorted
    EXPECT_EQ(dialog.sealList()->currentRow(), 1);          // the last seal, no checks
    EXPECT_EQ(dialog.indexPathEdit()->text(), QString::fromStdString(folder.index.path()));
    EXPECT_FALSE(dialog.indexPathEdit()->isEnabled());

    // A broken seal disables OK; a good one enables it again.
    QTest::mouseClick(dialog.sealList()->viewport(), Qt::LeftButton, {},
                      dialog.sealList()->visualItemRect(dialog.sealList()->item(0)).center());
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_EQ(prompter.messages.size(), 1);
    QTest::mouseClick(dialog.sealList()->viewport(), Qt::LeftButton, {},
                      dialog.sealList()->visualItemRect(dialog.sealList()->item(1)).center());
    EXPECT_TRUE(dialog.okButton()->isEnabled());

    QTest::keyClicks(dialog.oldPasswordEdit(), "x");
    QTest::keyClicks(dialog.newPasswordEdit(), "new");
    QTest::keyClicks(dialog.newPasswordAgainEdit(), "new");
    EXPECT_EQ(dialog.newPasswordEdit()->text(), "NEW");
    const std::string before = readFile(folder.indexFile);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompter.messages.last(), q("Error 1306 : 現在のパスワードが一致しません。"));
    EXPECT_EQ(readFile(folder.indexFile), before);

    dialog.oldPasswordEdit()->clear();
    QTest::keyClicks(dialog.oldPasswordEdit(), "b");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(prompter.messages.last(), q("パスワードが変更されました。"));
    EXPECT_EQ(folder.index.readEntry("beta").password2, hash6("NEW", "VRMMGR"));
}
