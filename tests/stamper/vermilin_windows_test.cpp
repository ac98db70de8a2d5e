// The stamping program's windows offscreen: the wiring of the settings, log path,
// language and information dialogs, the frame's menus, bars and panes, and the
// view's drawing and first update. The rules are the models' tests.
#include "common/hanko_settings.h"
#include "stamper/sealdialog/stamp_taker.h"
#include "stamper/settings/ui/language_dialog.h"
#include "stamper/settings/ui/log_path_dialog.h"
#include "stamper/settings/ui/settings_dialog.h"
#include "stamper/view/seal_clipboard_copy.h"
#include "stamper/view/stamp_view_model.h"
#include "stamper/view/ui/main_frame.h"
#include "stamper/view/ui/stamp_information_dialog.h"
#include "stamper/view/ui/stamp_view.h"
#include "tests/stamper/document_fixture.h"
#include "tests/support/recording_choosers.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace vermil;
using namespace vermil::test;

namespace {

QStringList menuTitles(const QMainWindow& window) {
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    return titles;
}

QStringList entriesOf(const QMainWindow& window, int menu) {
    QStringList entries;
    for (QAction* action : window.menuBar()->actions().at(menu)->menu()->actions())
        if (!action->isSeparator())
            entries << action->text();
    return entries;
}

// A click on the indicator: a check box or radio button wider than its text
// does not take clicks beside it.
void clickIndicator(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

class NoClipboard : public SealClipboardCopy {
public:
    void copySeal(const StampRecord&) override {}
};

class CountingTaker : public StampTaker {
public:
    std::optional<AcceptedStamp> takeStamp(const CVermilinDoc&) override {
        ++calls;
        return std::nullopt;
    }
    int calls = 0;
};

} // namespace

TEST(VermilinWindows, SettingsDialogBindsEveryControlAndEscapeWritesNothing) {
    DocumentFixture fixture;
    auto document = fixture.open();
    const HankoSettings settings(fixture.ini());
    UserProfile profile(QString::fromLatin1(stamperProfileTitle));
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    {
        SettingsDialogModel model(prompter, profile, settings, *document);
        CIndexDlg dialog(model, chooser);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.windowTitle(), "設定(Setting)");
        EXPECT_TRUE(dialog.autoStampButton(0)->isChecked());
        EXPECT_EQ(dialog.languageList()->currentRow(), 0);
        clickIndicator(dialog.autoStampButton(2));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(readFile(fixture.ini()), "[MAIN]\r\nLang=English\r\n");
    EXPECT_FALSE(std::filesystem::exists(stamperProfileFile()));

    SettingsDialogModel model(prompter, profile, settings, *document);
    CIndexDlg dialog(model, chooser);
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    chooser.answers = {QStringLiteral("/srv/seals/index.dat")};
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.indexEdit()->text(), "/srv/seals/index.dat");
    clickIndicator(dialog.autoStampButton(2));
    clickIndicator(dialog.clipboardBox());
    dialog.languageList()->setCurrentRow(1);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(document->indexPath(), "/srv/seals/index.dat");
    EXPECT_EQ(document->autoStamp(), 2);
    EXPECT_TRUE(document->stamp().drawing.copyToClipboard);
    EXPECT_EQ(document->language(), "Japanese");
}

TEST(VermilinWindows, LogPathDialogTakesTheChosenFileAndTheSeparator) {
    DocumentFixture fixture;
    auto document = fixture.open();
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    chooser.answers = {QStringLiteral("/srv/log/stamps.txt")};
    LogPathDialogModel model(prompter, *document);
    CFileNameDialog dialog(model, chooser);
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Log FilePath Setting");
    EXPECT_TRUE(dialog.outputLogBox()->isChecked());
    EXPECT_TRUE(dialog.pipeButton()->isChecked());
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.pathEdit()->text(), "/srv/log/stamps.txt");
    clickIndicator(dialog.commaButton());
    clickIndicator(dialog.outputLogBox());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(document->logFilePath(), "/srv/log/stamps.txt");
    EXPECT_EQ(document->logFormat(), 1);
    EXPECT_EQ(document->logEnabled(), 0);
}

TEST(VermilinWindows, LanguageDialogStartsOnJapanese) {
    LanguageDialogModel model;
    CLangDlg dialog(model);
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.japaneseButton()->isChecked());
    clickIndicator(dialog.englishButton());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.accept(), "English");
}

TEST(VermilinWindows, InformationDialogShowsTheTextAndCloses) {
    DocumentFixture fixture;
    auto document = fixture.open();
    document->loadNativeData(readFile(dataFile("stamper/SealStamp.bin")));
    const StampInformationModel model(*document);
    CKakuninDialog dialog(model);
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.textBox()->toPlainText().startsWith("Document No : A-2012-0042\nDate : "));
    QTest::keyClicks(dialog.textBox(), "typed");
    QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(StampInformationModel(*document).text().contains("typed"));
}

TEST(VermilinWindows, FramesCarryTheirMenusBarsAndPanes) {
    CMainFrame main(MenuSet::Main, Language::Japanese);
    main.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
    EXPECT_EQ(main.size(), QSize(310, 370));
    EXPECT_EQ(main.windowTitle(), "日付印Vermil");
    EXPECT_EQ(menuTitles(main),
              QStringList({"ﾌｧｲﾙ(&F)", "承認(&A)", "設定(&S)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"}));
    EXPECT_EQ(entriesOf(main, 0), QStringList({"PDFに押印(&P)...", "終了(&X)"}));
    EXPECT_EQ(entriesOf(main, 2),
              QStringList({"ログファイル(&L) ...", "設定(&S) ...", "パスワードの変更(&P)..."}));
    EXPECT_EQ(main.action(FrameCommand::LogFile)->statusTip(),
              "Setting Data FilePath & Language,LogFile");
    EXPECT_EQ(main.action(FrameCommand::Exit)->statusTip(), "Finishing Application");
    EXPECT_EQ(main.action(FrameCommand::Stamp)->statusTip(), "");
    EXPECT_EQ(main.action(FrameCommand::Stamp)->toolTip(), "承認押印");
    EXPECT_EQ(main.action(FrameCommand::Update), nullptr);
    EXPECT_EQ(main.toolBar()->actions().size(), 5);
    EXPECT_EQ(main.toolBar()->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_EQ(main.messagePane()->text(), "レディ");

    // A command's prompt shows in the message pane while it is pointed at.
    main.action(FrameCommand::LogFile)->showStatusText(&main);
    EXPECT_EQ(main.statusBar()->currentMessage(), "Setting Data FilePath & Language,LogFile");

    // The bars go and come back with their menu entries.
    main.action(FrameCommand::ToolBar)->trigger();
    EXPECT_FALSE(main.toolBar()->isVisible());
    main.action(FrameCommand::StatusBar)->trigger();
    EXPECT_FALSE(main.statusBar()->isVisible());
    main.action(FrameCommand::ToolBar)->trigger();
    EXPECT_TRUE(main.toolBar()->isVisible());

    // The lock panes show a key that is on, and stay empty for one that is off or unknown.
    main.showLockKeys({std::nullopt, true, false, std::nullopt});
    EXPECT_EQ(main.lockPane(0)->text(), "");
    EXPECT_EQ(main.lockPane(1)->text(), "CAP");
    EXPECT_EQ(main.lockPane(2)->text(), "");

    QSignalSpy commands(&main, &CMainFrame::commandTriggered);
    main.action(FrameCommand::About)->trigger();
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands.front().front().value<FrameCommand>(), FrameCommand::About);

    main.applyTexts(Language::English);
    EXPECT_EQ(menuTitles(main), QStringList({"&File", "&Stamp", "S&etting", "&Display", "&Help"}));
    EXPECT_EQ(entriesOf(main, 0), QStringList({"Stamp &PDF...", "&End"}));
    EXPECT_EQ(main.action(FrameCommand::StampPdf)->toolTip(), "Stamp PDF");
    EXPECT_EQ(main.windowTitle(), "Vermil");

    CMainFrame embedded(MenuSet::Embedded, Language::Japanese);
    embedded.setDocumentName(QStringLiteral("seal.vrs"));
    EXPECT_EQ(embedded.windowTitle(), "seal.vrs[*] - 日付印Vermil");
    EXPECT_EQ(entriesOf(embedded, 0), QStringList({"更新(&U)", "コピーに名前を付けて保存(&A)...",
                                                   "アプリケーションの終了(&X)"}));
    EXPECT_EQ(entriesOf(embedded, 1), QStringList({"承認押印(&S)", "承認確認(&C)"}));
    EXPECT_EQ(embedded.action(FrameCommand::Update)->statusTip(),
              "すべての変更を表示するためにｺﾝﾃﾅを更新");
    EXPECT_EQ(embedded.action(FrameCommand::CheckStamp)->statusTip(),
              "checking the person stamped.");
    EXPECT_EQ(embedded.action(FrameCommand::LogFile), nullptr);
    CMainFrame english(MenuSet::Embedded, Language::English);
    EXPECT_EQ(entriesOf(english, 0), QStringList({"&Update", "Save Copy &As...", "E&xit"}));
}

TEST(VermilinWindows, TheViewDrawsTheSealAndItsFirstShowingRunsTheFirstUpdate) {
    DocumentFixture fixture;
    UserProfile profile(QString::fromLatin1(stamperProfileTitle));
    profile.setUserValue(QStringLiteral("AutoStamp"), QStringLiteral("2"));
    profile.setUserValue(QStringLiteral("cpw"), QStringLiteral("1"));
    auto document = fixture.open();
    RecordingPrompter prompter;
    NoClipboard clipboard;
    CountingTaker taker;
    StampViewModel model(*document, prompter, clipboard);
    model.setStampTaker(&taker);
    CVermilinView view(model);
    view.resize(200, 200);
    view.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    QTRY_COMPARE(taker.calls, 1);
    const QImage outline = view.grab().toImage();

    document->loadNativeData(readFile(dataFile("stamper/SealStamp.bin")));
    document->stamp().drawing.fontUp.size = "";
    const QImage seal = view.grab().toImage();
    EXPECT_NE(outline, seal);
    EXPECT_EQ(document->stamp().drawing.fontUp.size, "18"); // written back by the paint
    view.hide();
    view.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(taker.calls, 1); // the first showing only
}
