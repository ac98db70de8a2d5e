#include "manager/ui/about_dialog.h"
#include "manager/ui/manager_dialog.h"
#include "manager/ui/manager_windows.h"
#include "manager/ui/seal_picture_view.h"
#include "tests/manager/manager_fixture.h"

#include "common/cp932.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::ManagerFixture;
using vermil::test::registerSeal;
using vermil::test::registerSeals;
using vermil::test::sampleSeal;
using vermil::test::sjis;
using vermil::test::TempDir;

namespace {

// Answers in place of the dialogs the main dialog opens, as a user would.
class FakeWindows : public ManagerWindows {
public:
    bool runRegister(RegisterSealModel& model, Language language) override {
        languages.push_back(language);
        model.setName(QStringLiteral("新規"));
        model.setPassword(QStringLiteral("pw"));
        model.setUp1(QStringLiteral("新部署"));
        model.setDown(QStringLiteral("新人"));
        return model.accept() == SealFormOutcome::Ok;
    }
    bool runEdit(EditSealModel& model) override {
        edited.push_back(model.name());
        model.setPassword(QStringLiteral("pw"));
        model.setDown(QStringLiteral("改名"));
        return model.accept() == SealFormOutcome::Ok;
    }
    void runImport(ImportDialogModel&, Language) override { ++imports; }
    bool runSetting(ManagerSettingModel& model) override {
        model.selectRow(static_cast<int>(model.choices().indexOf(QStringLiteral("Japanese"))));
        model.accept();
        return true;
    }
    void runVersionBox() override { ++versionBoxes; }

    std::vector<Language> languages;
    QStringList edited;
    int imports = 0;
    int versionBoxes = 0;
};

struct DialogUnderTest {
    explicit DialogUnderTest(ManagerFixture& fixture)
        : f(fixture), model(f.prompter, f.hankoFolder) {
        model.start(f.chooser);
        dialog = std::make_unique<CVrmgrDlg>(model, windows, f.chooser);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    ManagerFixture& f;
    ManagerDialogModel model;
    FakeWindows windows;
    std::unique_ptr<CVrmgrDlg> dialog;
};

QStringList listed(const QListWidget* list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

void clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

} // namespace

TEST(CVrmgrDlg, ListsAHundredSealsAndThePictureFollowsTheSelection) {
    ManagerFixture f;
    registerSeals(f.index(), 100);
    DialogUnderTest t(f);
    CVrmgrDlg& dialog = *t.dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vermil Manager Ver5. 6. 4"));
    EXPECT_EQ(dialog.addButton()->text(), QStringLiteral("Add"));
    EXPECT_EQ(dialog.indexPathField()->text().toStdString(), f.indexFile.string());

    QStringList expected;
    for (int i = 1; i <= 100; ++i)
        expected << QStringLiteral("S%1").arg(i);
    EXPECT_EQ(listed(dialog.sealList()), expected);
    // The first seal is shown at once.
    EXPECT_EQ(dialog.sealList()->currentRow(), 0);
    EXPECT_EQ(dialog.up1Field()->text(), QStringLiteral("UP1"));
    ASSERT_TRUE(dialog.picture()->seal());
    const QImage first = dialog.picture()->grab().toImage();

    clickRow(dialog.sealList(), 76);
    EXPECT_EQ(t.model.selectedRow(), 76);
    EXPECT_EQ(dialog.up1Field()->text(), QStringLiteral("UP77"));
    EXPECT_EQ(dialog.downField()->text(), QStringLiteral("DOWN"));
    EXPECT_EQ(dialog.dateFormatField()->text(), QStringLiteral("YYYY.MM.DD"));
    EXPECT_EQ(dialog.sizeXField()->text(), QStringLiteral("19"));
    EXPECT_EQ(dialog.profileField()->text(), QStringLiteral("osprf_vrm_default.xml"));
    ASSERT_TRUE(dialog.picture()->seal());
    EXPECT_EQ(dialog.picture()->seal()->upperText1, "UP77");
    EXPECT_NE(dialog.picture()->grab().toImage(), first);
    QTest::keyClick(dialog.sealList(), Qt::Key_Down);
    EXPECT_EQ(dialog.picture()->seal()->upperText1, "UP78");
    EXPECT_TRUE(f.prompter.messages.isEmpty());
}

TEST(CVrmgrDlg, AddEditAndDeleteReachTheModel) {
    ManagerFixture f;
    registerSeal(f.index(), sampleSeal(sjis("経理"), sjis("経理部"), sjis("山田")));
    DialogUnderTest t(f);
    CVrmgrDlg& dialog = *t.dialog;

    QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
    EXPECT_EQ(t.windows.languages, std::vector<Language>{Language::English});
    EXPECT_EQ(listed(dialog.sealList()), (QStringList{"経理", "新規"}));
    // The new seal is selected and shown.
    EXPECT_EQ(dialog.sealList()->currentRow(), 1);
    EXPECT_EQ(dialog.up1Field()->text(), QStringLiteral("新部署"));
    EXPECT_EQ(dialog.picture()->seal()->lowerText, sjis("新人"));

    QTest::mouseClick(dialog.editButton(), Qt::LeftButton);
    EXPECT_EQ(t.windows.edited, QStringList{"新規"});
    EXPECT_EQ(dialog.downField()->text(), QStringLiteral("改名"));

    f.prompter.answers = {true};
    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(f.prompter.questions, QStringList{QStringLiteral("本当に削除してよろしいですか？")});
    EXPECT_EQ(listed(dialog.sealList()), QStringList{"経理"});
    EXPECT_TRUE(dialog.up1Field()->text().isEmpty());
    EXPECT_FALSE(dialog.picture()->seal());

    QTest::mouseClick(dialog.editButton(), Qt::LeftButton);
    EXPECT_EQ(f.prompter.messages.last(), QStringLiteral("日付印が選択されていません。"));
    EXPECT_EQ(t.windows.edited.size(), 1);
}

TEST(CVrmgrDlg, RefSettingAndVersionReachTheModel) {
    ManagerFixture f;
    registerSeals(f.index(), 2);
    TempDir other;
    const std::filesystem::path otherIndex = other / "index.dat";
    registerSeal(SealIndex(otherIndex.string()), sampleSeal("Z"));
    DialogUnderTest t(f);
    CVrmgrDlg& dialog = *t.dialog;

    f.chooser.answers = {QString::fromStdString(otherIndex.string())};
    QTest::mouseClick(dialog.chooseIndexButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.indexPathField()->text().toStdString(), otherIndex.string());
    EXPECT_EQ(listed(dialog.sealList()), QStringList{"Z"});

    // The program follows the chosen language with Qt's own texts.
    std::vector<Language> languages;
    QObject::connect(&dialog, &CVrmgrDlg::languageChanged, &dialog,
                     [&languages](Language language) { languages.push_back(language); });
    QTest::mouseClick(dialog.settingButton(), Qt::LeftButton);
    EXPECT_EQ(languages, std::vector<Language>{Language::Japanese});
    EXPECT_EQ(dialog.addButton()->text(), QStringLiteral("追加"));
    EXPECT_EQ(dialog.chooseIndexButton()->text(), QStringLiteral("参照"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Vermil名"));

    QTest::mouseClick(dialog.versionButton(), Qt::LeftButton);
    dialog.versionAction()->trigger();
    EXPECT_EQ(t.windows.versionBoxes, 2);
    EXPECT_EQ(dialog.versionAction()->text(), QStringLiteral("vrmgr のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    EXPECT_TRUE(dialog.actions().contains(dialog.versionAction()));

    QTest::mouseClick(dialog.importButton(), Qt::LeftButton);
    EXPECT_EQ(t.windows.imports, 1);
}

TEST(CVrmgrDlg, AnotherProgramsChangesToTheIndexReachTheList) {
    ManagerFixture f;
    registerSeals(f.index(), 3);
    DialogUnderTest t(f);
    CVrmgrDlg& dialog = *t.dialog;
    clickRow(dialog.sealList(), 2);
    ASSERT_EQ(dialog.up1Field()->text(), QStringLiteral("UP3"));

    // vrmgr --delete from a shell: the index is replaced by a new file.
    ASSERT_EQ(f.index().remove(0, "S1"), SealIndex::RemoveOutcome::Removed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.sealList()->count() == 2; }));
    EXPECT_EQ(listed(dialog.sealList()), (QStringList{"S2", "S3"}));
    EXPECT_EQ(dialog.sealList()->currentRow(), 1);
    EXPECT_EQ(dialog.up1Field()->text(), QStringLiteral("UP3"));

    // The watch outlives the replacement: the next change is seen too.
    registerSeal(f.index(), sampleSeal("S4"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.sealList()->count() == 3; }));
    EXPECT_EQ(listed(dialog.sealList()), (QStringList{"S2", "S3", "S4"}));
    EXPECT_EQ(dialog.sealList()->currentRow(), 1);
    EXPECT_TRUE(f.prompter.messages.isEmpty());
}

TEST(CVrmgrDlg, AnIndexMadeByAnotherProgramAfterTheStartIsListed) {
    ManagerFixture f;
    std::filesystem::create_directories(f.sealFolder);
    DialogUnderTest t(f);
    CVrmgrDlg& dialog = *t.dialog;
    ASSERT_EQ(dialog.sealList()->count(), 0);
    registerSeals(f.index(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.sealList()->count() == 2; }));
    EXPECT_EQ(listed(dialog.sealList()), (QStringList{"S1", "S2"}));
}

TEST(CAboutDlg, ShowsTheVersionAndCloses) {
    CAboutDlg box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Version Information"));
    QStringList lines;
    for (const QLabel* label : box.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            lines << label->text();
    EXPECT_EQ(lines, (QStringList{QStringLiteral("日付印Vermil管理ツール Vermil Manager"),
                                  QStringLiteral("Vrmgr  Ver 5. 6. 4 Rel.0"),
                                  QStringLiteral("Releace Date :  2012-03-21")}));
    EXPECT_EQ(box.closeButton()->text(), QStringLiteral("Close"));
    QTest::mouseClick(box.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}
