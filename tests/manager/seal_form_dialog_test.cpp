#include "manager/ui/cadd_dlg.h"
#include "manager/ui/cedit_dlg.h"
#include "manager/ui/font_detail_dialog.h"
#include "tests/manager/manager_fixture.h"

#include "manager/manager_dialog_model.h"
#include "sealfiles/seal_verification.h"
#include "widgets/password_edit.h"

#include "common/keyed_hash.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::ManagerFixture;
using vermil::test::registerSeal;
using vermil::test::sampleSeal;
using vermil::test::sjis;

namespace {

template <typename Dialog> void showAndWait(Dialog& dialog) {
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

// Types text that has no key of its own on a test keyboard, one key event a character.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Does `step` to the modal dialog that the next event opens.
void onNextModal(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        step(modal);
    });
}

} // namespace

TEST(CAddDlg, FieldsComeFromTheModelAndOkRegisters) {
    ManagerFixture f;
    ASSERT_TRUE(writeIniString(f.settingsFile, "VERMILMGR", "Up1", sjis("経理部")));
    ASSERT_TRUE(writeIniString(f.settingsFile, "VERMILIN", "SizeX", "21"));
    RegisterSealModel model(f.prompter, HankoSettings(f.settingsFile), f.index(), "5.6.4");
    RecordingFontChooser fonts;
    CAddDlg dialog(model, f.chooser, fonts, Language::Japanese);
    showAndWait(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Dialogue"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Vermil名"));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("Close"));
    EXPECT_EQ(dialog.detailButton()->text(), QStringLiteral("詳細設定"));
    EXPECT_EQ(dialog.up1Edit()->text(), QStringLiteral("経理部"));
    EXPECT_EQ(dialog.sizeXList()->currentText(), QStringLiteral("21"));
    EXPECT_EQ(dialog.sizeYList()->currentText(), QStringLiteral("19"));
    EXPECT_EQ(dialog.dateFormatList()->currentText(), QStringLiteral("'YY.MM.DD"));
    EXPECT_EQ(dialog.dateFormatList()->count(), 15);
    EXPECT_EQ(dialog.profileEdit()->text(), QStringLiteral("osprf_vrm_default.xml"));
    EXPECT_EQ(dialog.indexPathField()->text().toStdString(), f.indexFile.string());
    EXPECT_TRUE(dialog.passwordEdit()->text().isEmpty());
    EXPECT_EQ(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(dialog.passwordEdit()->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(dialog.nameEdit()->hasFocus());

    // OK with a field missing keeps the dialog open.
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(f.prompter.messages.last(),
              QStringLiteral("Error300 : Vermil名が設定されていません。"));
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClicks(dialog.nameEdit(), QStringLiteral("Keiri"));
    QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("keiri01"));
    EXPECT_EQ(dialog.passwordEdit()->text(), QStringLiteral("KEIRI01"));
    QTest::keyClicks(dialog.downEdit(), QStringLiteral("Yamada"));
    dialog.sizeYList()->setCurrentIndex(dialog.sizeYList()->findText(QStringLiteral("17")));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(f.prompter.messages.last(), QStringLiteral("登録しました。"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(f.indexValue("Keiri", "Password2"), hash6("KEIRI01", "VRMMGR"));
    const SealVerification seal = verifySeal(f.index(), "Keiri");
    EXPECT_TRUE(seal.passed());
    EXPECT_EQ(seal.content.up1, sjis("経理部"));
    EXPECT_EQ(seal.content.down, "Yamada");
    EXPECT_EQ(seal.content.sizeX, "21");
    EXPECT_EQ(seal.content.sizeY, "17");
}

TEST(CAddDlg, EnglishCaptionsAndTheDetailDialog) {
    ManagerFixture f;
    RegisterSealModel model(f.prompter, HankoSettings(f.settingsFile), f.index(), "5.6.4");
    RecordingFontChooser fonts;
    CAddDlg dialog(model, f.chooser, fonts, Language::English);
    showAndWait(dialog);
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Vermil Name"));
    EXPECT_EQ(dialog.detailButton()->text(), QStringLiteral("Detail"));

    onNextModal([](QWidget* modal) {
        auto* detail = qobject_cast<CDlgDetail*>(modal);
        ASSERT_NE(detail, nullptr);
        detail->line(FontLine::Date).size->setValue(14);
        detail->line(FontLine::Date).bold->setChecked(false);
        QTest::mouseClick(detail->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.detailButton(), Qt::LeftButton);
    EXPECT_EQ(model.fonts().date.size, "14");
    EXPECT_EQ(model.fonts().date.bold, "0");

    onNextModal([](QWidget* modal) {
        auto* detail = qobject_cast<CDlgDetail*>(modal);
        ASSERT_NE(detail, nullptr);
        detail->line(FontLine::Date).size->setValue(30);
        QTest::mouseClick(detail->cancelButton(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.detailButton(), Qt::LeftButton);
    EXPECT_EQ(model.fonts().date.size, "14");
}

TEST(CEditDlg, ShowsTheSealWithFixedCaptionsAndOkRewritesIt) {
    ManagerFixture f;
    registerSeal(f.index(), sampleSeal(sjis("経理"), sjis("経理部"), sjis("山田"), sjis("本社")));
    ManagerDialogModel main(f.prompter, f.hankoFolder);
    main.useIndex(f.indexFile.string());
    ASSERT_TRUE(main.selectName(sjis("経理")));
    auto model = main.editModel();
    RecordingFontChooser fonts;
    CEditDlg dialog(*model, f.chooser, fonts);
    showAndWait(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Dialogue"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Name(印名)"));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("経理"));
    EXPECT_TRUE(dialog.nameEdit()->isReadOnly());
    EXPECT_TRUE(dialog.passwordEdit()->text().isEmpty());
    EXPECT_EQ(dialog.up2Edit()->text(), QStringLiteral("本社"));
    EXPECT_EQ(dialog.up1Edit()->text(), QStringLiteral("経理部"));
    EXPECT_EQ(dialog.dateFormatList()->currentText(), QStringLiteral("YYYY.MM.DD"));

    QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("new"));
    dialog.up2Edit()->clear();
    typeText(dialog.up2Edit(), QStringLiteral("支社"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(f.prompter.messages.last(), QStringLiteral("修正しました。"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const SealVerification seal = verifySeal(f.index(), sjis("経理"));
    EXPECT_TRUE(seal.passed());
    EXPECT_EQ(seal.content.up2, sjis("支社"));
    EXPECT_EQ(f.indexValue(sjis("経理"), "Password2"), hash6("NEW", "VRMMGR"));
}
