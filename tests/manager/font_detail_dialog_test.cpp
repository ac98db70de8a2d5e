#include "manager/ui/font_detail_dialog.h"
#include "widgets/dialog_font_chooser.h"

#include "tests/support/recording_choosers.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::sjis;

namespace {

SealFonts stored() {
    return {{sjis("ＭＳ Ｐゴシック"), "", ""},
            {"IPAMincho", "1", "16"},
            {sjis("ＭＳ Ｐゴシック"), "0", "0"},
            {sjis("ＭＳ Ｐゴシック"), "", ""}};
}

} // namespace

TEST(CDlgDetail, ShowsTheLinesAndOkGivesTheirFonts) {
    RecordingPrompter prompter;
    RecordingFontChooser chooser;
    FontDetailModel model(prompter, stored(), {0, sjis("経理部").size(), sjis("山田").size()});
    CDlgDetail dialog(model, chooser);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("詳細設定ダイアローグ"));
    EXPECT_EQ(dialog.line(FontLine::Up2).group->title(), QStringLiteral("上段２（上段の上）"));
    EXPECT_EQ(dialog.line(FontLine::Low1).group->title(), QStringLiteral("下段"));
    EXPECT_EQ(dialog.line(FontLine::Up1).choose->text(), QStringLiteral("設定"));
    EXPECT_EQ(dialog.line(FontLine::Up1).bold->text(), QStringLiteral("太字"));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(dialog.line(FontLine::Up1).name->text(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(dialog.line(FontLine::Up1).size->value(), 16);
    EXPECT_TRUE(dialog.line(FontLine::Up1).bold->isChecked());
    EXPECT_EQ(dialog.line(FontLine::Up2).size->value(), 10);
    EXPECT_EQ(dialog.line(FontLine::Date).size->value(), 12);
    EXPECT_EQ(dialog.line(FontLine::Low1).size->value(), 20);

    chooser.answers = {ChosenFont{QStringLiteral("IPAGothic"), 11, 700}};
    QTest::mouseClick(dialog.line(FontLine::Low1).choose, Qt::LeftButton);
    EXPECT_EQ(dialog.line(FontLine::Low1).name->text(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(dialog.line(FontLine::Low1).size->value(), 11);
    EXPECT_TRUE(dialog.line(FontLine::Low1).bold->isChecked());

    dialog.line(FontLine::Up2).name->selectAll();
    QTest::keyClicks(dialog.line(FontLine::Up2).name, QStringLiteral("IPAPGothic"));
    dialog.line(FontLine::Up1).bold->click();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.fonts());
    EXPECT_EQ(dialog.fonts()->up2, (SealFont{"IPAPGothic", "0", "10"}));
    EXPECT_EQ(dialog.fonts()->up1, (SealFont{"IPAMincho", "0", "16"}));
    EXPECT_EQ(dialog.fonts()->low1, (SealFont{"IPAGothic", "1", "11"}));
}

TEST(CDlgDetail, CancelGivesNothing) {
    RecordingPrompter prompter;
    RecordingFontChooser chooser;
    FontDetailModel model(prompter, stored(), {});
    CDlgDetail dialog(model, chooser);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.fonts());
}

TEST(DialogFontChooser, AnUnchangedOkKeepsTheSealsWindowsFaceSizeAndBold) {
    const QStringList families = QFontDatabase::families();
    ASSERT_TRUE(families.contains(QStringLiteral("IPAPGothic")) ||
                families.contains(QStringLiteral("IPA Pゴシック")))
        << "scripts/install-deps.sh installs the IPA fonts";
    // OK as soon as the dialog is up, as a user who looks and changes nothing.
    QTimer ok;
    QObject::connect(&ok, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    ok.start(10);
    RecordingPrompter prompter;
    const SealFont stored{sjis("ＭＳ Ｐゴシック"), "1", "10"};
    FontDetailModel model(prompter, {stored, stored, stored, stored}, {});
    DialogFontChooser chooser;
    ASSERT_EQ(model.chooseFont(FontLine::Low1, chooser), FontDetailModel::ChooseOutcome::Chosen);
    const auto fonts = model.accept();
    ASSERT_TRUE(fonts);
    EXPECT_EQ(fonts->low1, stored);
}
