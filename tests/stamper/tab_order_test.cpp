// Tab goes once round every control of each of the stamping program's dialogs,
// in reading order, and never gets stuck on a pair of them.
#include "common/hanko_settings.h"
#include "stamper/sealdialog/ui/password_change_dialog.h"
#include "stamper/sealdialog/ui/seal_dialog.h"
#include "stamper/settings/ui/language_dialog.h"
#include "stamper/settings/ui/log_path_dialog.h"
#include "stamper/settings/ui/settings_dialog.h"
#include "stamper/view/ui/about_box.h"
#include "stamper/view/ui/stamp_information_dialog.h"
#include "tests/stamper/document_fixture.h"
#include "tests/stamper/stamping_folder.h"
#include "tests/support/recording_choosers.h"
#include "tests/support/tab_cycle.h"

#include <gtest/gtest.h>

using namespace vermil;
using namespace vermil::test;

namespace {

template <typename Dialog> void checkShown(Dialog& dialog, const char* name) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    expectOneTabRoundInReadingOrder(dialog, name);
}

void sealDialog() {
    StampingFolder folder;
    folder.addSeal(sjis("経理部長"), "KEIRI");
    SealDialogUnderTest under(folder, folder.inputs("Japanese"));
    RecordingColourChooser colours;
    CShouninDialog dialog(under.model, colours);
    dialog.start();
    checkShown(dialog, "seal dialog");
}

void passwordChange() {
    StampingFolder folder;
    folder.addSeal("alpha", "A");
    RecordingPrompter prompter;
    PasswordChangeModel model({"ALPHA", folder.index.path(), "English"}, prompter);
    CPasswdDlg dialog(model);
    dialog.start();
    checkShown(dialog, "password change");
}

void settings() {
    DocumentFixture fixture;
    auto document = fixture.open();
    UserProfile profile(QString::fromLatin1(stamperProfileTitle));
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    const HankoSettings hankoSettings(fixture.ini());
    SettingsDialogModel model(prompter, profile, hankoSettings, *document);
    CIndexDlg dialog(model, chooser);
    checkShown(dialog, "settings");
}

void logPath() {
    DocumentFixture fixture;
    auto document = fixture.open();
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    LogPathDialogModel model(prompter, *document);
    CFileNameDialog dialog(model, chooser);
    checkShown(dialog, "log path");
}

void language() {
    LanguageDialogModel model;
    CLangDlg dialog(model);
    checkShown(dialog, "language");
}

void stampInformation() {
    DocumentFixture fixture;
    auto document = fixture.open();
    document->loadNativeData(readFile(dataFile("stamper/SealStamp.bin")));
    const StampInformationModel model(*document);
    CKakuninDialog dialog(model);
    checkShown(dialog, "stamp information");
}

void about() {
    AboutBox box(Language::Japanese);
    checkShown(box, "about");
}

} // namespace

TEST(VermilinTabOrder, TabGoesOnceRoundEveryDialogInReadingOrder) {
    for (void (*dialog)() :
         {sealDialog, passwordChange, settings, logPath, language, stampInformation, about})
        dialog();
}
