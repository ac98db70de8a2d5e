#include "manager/ui/manager_setting_dialog.h"
#include "tests/manager/manager_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::ManagerFixture;

TEST(CDlgSetting, ListsTheLanguagesAndOkStoresTheChoice) {
    ManagerFixture f;
    ManagerSettingModel model(HankoSettings(f.settingsFile), "Japanese");
    CDlgSetting dialog(model);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Setting"));
    EXPECT_EQ(dialog.languageLabel()->text(), QStringLiteral("言語"));
    EXPECT_EQ(dialog.okButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.closeButton()->text(), QStringLiteral("Close"));
    ASSERT_EQ(dialog.languageList()->count(), 2);
    EXPECT_EQ(dialog.languageList()->item(0)->text(), QStringLiteral("English"));
    EXPECT_EQ(dialog.languageList()->currentRow(), 1);

    QTest::keyClick(dialog.languageList(), Qt::Key_Up);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.chosen(), "English");
    EXPECT_EQ(f.setting("MAIN", "Lang"), "English");
}

TEST(CDlgSetting, OkWithNothingChosenStoresAnEmptyValue) {
    ManagerFixture f;
    ManagerSettingModel model(HankoSettings(f.settingsFile), "");
    CDlgSetting dialog(model);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(f.setting("MAIN", "Lang"), "");
}

TEST(CDlgSetting, CloseWritesNothing) {
    ManagerFixture f;
    ManagerSettingModel model(HankoSettings(f.settingsFile), "");
    CDlgSetting dialog(model);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.languageLabel()->text(), QStringLiteral("Language"));
    EXPECT_TRUE(dialog.languageList()->selectedItems().isEmpty());
    dialog.languageList()->setCurrentRow(1);
    QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists(f.settingsFile));
}
