// The seal dialog's window offscreen: the controls reach the model and show
// what it holds. The rules themselves are the model test's.
#include "stamper/sealdialog/ui/seal_dialog.h"
#include "stamper/sealdialog/ui/seal_preview.h"
#include "tests/stamper/stamping_folder.h"

#include "render/seal_painter.h"
#include "tests/support/recording_choosers.h"
#include "widgets/password_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::SealDialogUnderTest;
using vermil::test::sjis;
using vermil::test::StampingFolder;
using vermil::test::writeFile;

namespace {

const std::string keiri = sjis("経理部長");
const std::string soumu = sjis("総務課長");

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Pixels in the seal colour (or near it) where the upper text stands: between
// the ring's top and the first band line, around the middle.
int upperTextInk(SealPreview& preview, QColor ink) {
    const QImage image = preview.grab().toImage();
    const QRect seal = preview.sealRect();
    const QRect area(seal.left() + seal.width() * 30 / 100, seal.top() + seal.height() * 18 / 100,
                     seal.width() * 40 / 100, seal.height() * 12 / 100);
    int count = 0;
    const qreal ratio = image.devicePixelRatio();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(int(x * ratio), int(y * ratio));
            if (std::abs(c.red() - ink.red()) < 60 && std::abs(c.green() - ink.green()) < 60 &&
                std::abs(c.blue() - ink.blue()) < 60) {
                ++count;
            }
        }
    return count;
}

// Text as an input method or a paste gives it: QTest types ASCII only.
void typeText(QWidget* widget, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

struct DialogUnderTest {
    explicit DialogUnderTest(const StampingFolder& folder, SealDialogInputs inputs)
        : under(folder, std::move(inputs)), dialog(under.model, colours) {
        dialog.start();
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    SealDialogUnderTest under;
    RecordingColourChooser colours;
    CShouninDialog dialog;

    void pick(int row) {
        QListWidget* list = dialog.sealList();
        const QRect item = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    }
};

class ShouninDialog : public ::testing::Test {
protected:
    void SetUp() override {
        folder.addSeal(keiri, "KEIRI");
        folder.addSeal(soumu, "SOUMU", sjis("総務課"), sjis("鈴木"), "NN.0M.0D");
        writeFile(folder.settingsFile, sjis("[総務課長]\r\nDocumentNo=S-9\r\nName=鈴木一郎\r\n"
                                            "Section=総務\r\nItem=至急\r\n"));
    }
    StampingFolder folder;
};

} // namespace

TEST_F(ShouninDialog, PickingASealFillsTheFieldsAndThePreview) {
    DialogUnderTest t(folder, folder.inputs("English"));
    CShouninDialog& dialog = t.dialog;
    EXPECT_EQ(dialog.windowTitle(), "Seal Dialogue");
    EXPECT_EQ(dialog.sealList()->count(), 2);
    EXPECT_EQ(dialog.sealList()->item(1)->text(), q("総務課長"));
    EXPECT_EQ(dialog.dateEdit()->text(), "Mar 7 2012(Wed) 9:5");
    EXPECT_EQ(dialog.userLine()->text(), "yamada");
    EXPECT_EQ(dialog.indexLine()->toolTip(), QString::fromStdString(folder.index.path()));
    const QColor ink = sealColour(77055);
    // No seal yet, the list focused: an empty ring (the focus picks no seal).
    EXPECT_TRUE(dialog.sealList()->hasFocus());
    EXPECT_EQ(t.under.model.sealName(), "");
    EXPECT_EQ(upperTextInk(*dialog.preview(), ink), 0);

    t.pick(1);
    EXPECT_EQ(t.under.model.sealName(), soumu);
    EXPECT_EQ(dialog.documentNoEdit()->text(), "S-9");
    EXPECT_EQ(dialog.nameEdit()->text(), q("鈴木一郎"));
    EXPECT_EQ(dialog.sectionEdit()->text(), q("総務"));
    EXPECT_EQ(dialog.commentEdit()->toPlainText(), q("至急"));
    EXPECT_EQ(dialog.profileEdit()->text(), "osprf_vrm_default.xml");
    EXPECT_EQ(dialog.preview()->seal().upperText1, sjis("総務課"));
    EXPECT_EQ(dialog.preview()->seal().lowerText, sjis("鈴木"));
    EXPECT_EQ(dialog.preview()->dateEdit()->text(), "24.03.07");
    EXPECT_GT(upperTextInk(*dialog.preview(), ink), 50); // the seal's texts are painted
    EXPECT_TRUE(dialog.okButton()->isEnabled());

    // The colour button: the chosen colour paints the preview.
    t.colours.answers = {0x00FF0000u}; // blue
    QTest::mouseClick(dialog.colourButton(), Qt::LeftButton);
    EXPECT_EQ(t.under.model.colour(), 0x00FF0000u);
    EXPECT_GT(upperTextInk(*dialog.preview(), QColor(0, 0, 255)), 50);
    EXPECT_EQ(upperTextInk(*dialog.preview(), ink), 0);

    // A seal that fails its checks disables OK and leaves the fields.
    folder.setIndexKey(keiri, "Password2", "ABCDE");
    t.pick(0);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.nameEdit()->text(), q("鈴木一郎"));
    EXPECT_EQ(t.under.prompter.messages.size(), 1);
    t.pick(1);
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(t.under.prompter.messages.size() == 1);
}

TEST_F(ShouninDialog, TypingReachesTheModelAndOkWithAWrongPasswordKeepsTheDialogOpen) {
    DialogUnderTest t(folder, folder.inputs("Japanese"));
    CShouninDialog& dialog = t.dialog;
    EXPECT_EQ(dialog.savePasswordBox()->text(), q("Sa&ve Password"));
    t.pick(0);

    typeText(dialog.nameEdit(), q("山田"));
    EXPECT_EQ(t.under.model.name(), sjis("山田"));
    // A character without a Shift-JIS form is refused, the rest is kept.
    typeText(dialog.nameEdit(), q("😀"));
    EXPECT_EQ(dialog.nameEdit()->text(), q("山田"));
    EXPECT_EQ(t.under.model.name(), sjis("山田"));
    // Enter in the comment breaks the line; it does not press OK.
    dialog.commentEdit()->setFocus();
    QTest::keyClicks(dialog.commentEdit(), "one");
    QTest::keyClick(dialog.commentEdit(), Qt::Key_Return);
    QTest::keyClicks(dialog.commentEdit(), "two");
    EXPECT_EQ(t.under.model.comment(), "one\r\ntwo");
    EXPECT_TRUE(dialog.isVisible());
    // The date in the seal, typed in place.
    QLineEdit* sealDate = dialog.preview()->dateEdit();
    QTest::mouseClick(sealDate, Qt::LeftButton);
    EXPECT_TRUE(sealDate->hasFocus());
    sealDate->selectAll();
    QTest::keyClicks(sealDate, "'12. 3. 9");
    EXPECT_EQ(t.under.model.sealDateText(), "'12. 3. 9");
    EXPECT_EQ(dialog.preview()->seal().sealDateText, "'12. 3. 9");

    // Lower case shows as upper case, masked.
    PasswordEdit* password = dialog.passwordEdit();
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(password->testAttribute(Qt::WA_InputMethodEnabled));
    QTest::keyClicks(password, "keirx");
    EXPECT_EQ(password->text(), "KEIRX");
    EXPECT_EQ(t.under.model.password(), "KEIRX");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(t.under.prompter.messages, QStringList{q("Error 1315: パスワードが一致しません。")});
    EXPECT_EQ(folder.log(), "");
    EXPECT_TRUE(password->hasFocus());
    EXPECT_EQ(password->text(), "KEIRX");

    QTest::keyClicks(password, "keiri");       // over the selected wrong one
    QTest::keyClick(password, Qt::Key_Return); // the default button
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(t.under.model.outputs().comment, "one\r\ntwo");
    EXPECT_EQ(folder.log(), ""); // logged once the stamp is written
    t.under.keep();
    EXPECT_NE(folder.log().find(sjis("|山田||one|yamada|")), std::string::npos);
}

TEST_F(ShouninDialog, AutoStampWithARememberedPasswordStampsWithoutShowing) {
    UserProfile(QString::fromLatin1(stamperProfileTitle))
        .setUserValue("drowssap", QString::fromStdString(encodePairs("SOUMU")));
    SealDialogInputs in = folder.inputs();
    in.lastSeal = soumu;
    in.autoStamp = 1;
    in.rememberPassword = true;
    SealDialogUnderTest under(folder, in);
    RecordingColourChooser colours;
    CShouninDialog dialog(under.model, colours);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(under.prompter.messages.isEmpty());
    EXPECT_EQ(under.model.accepted().logEntry.documentNumber, "S-9");
}
