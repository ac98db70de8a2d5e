// Tab goes once round every control of each of the manager's dialogs, in
// reading order, and never gets stuck on a pair of them.
#include "manager/ui/about_dialog.h"
#include "manager/ui/cadd_dlg.h"
#include "manager/ui/cedit_dlg.h"
#include "manager/ui/font_detail_dialog.h"
#include "manager/ui/import_dialog.h"
#include "manager/ui/manager_dialog.h"
#include "manager/ui/manager_setting_dialog.h"
#include "manager/ui/manager_windows.h"
#include "tests/manager/manager_fixture.h"
#include "tests/support/tab_cycle.h"

#include "manager/manager_dialog_model.h"

#include <gtest/gtest.h>

using namespace vermil;
using namespace vermil::test;

namespace {

class NoWindows : public ManagerWindows {
public:
    bool runRegister(RegisterSealModel&, Language) override { return false; }
    bool runEdit(EditSealModel&) override { return false; }
    void runImport(ImportDialogModel&, Language) override {}
    bool runSetting(ManagerSettingModel&) override { return false; }
    void runVersionBox() override {}
};

template <typename Dialog> void checkShown(Dialog& dialog, const char* name) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    expectOneTabRoundInReadingOrder(dialog, name);
}

void manager() {
    ManagerFixture f;
    registerSeal(f.index(), sampleSeal(sjis("経理")));
    ManagerDialogModel model(f.prompter, f.hankoFolder);
    model.start(f.chooser);
    NoWindows windows;
    CVrmgrDlg dialog(model, windows, f.chooser);
    checkShown(dialog, "manager");
}

void registerDialog() {
    ManagerFixture f;
    RegisterSealModel model(f.prompter, HankoSettings(f.settingsFile), f.index(), "5.6.4");
    RecordingFontChooser fonts;
    CAddDlg dialog(model, f.chooser, fonts, Language::Japanese);
    checkShown(dialog, "register");
}

void editDialog() {
    ManagerFixture f;
    registerSeal(f.index(), sampleSeal(sjis("経理")));
    ManagerDialogModel main(f.prompter, f.hankoFolder);
    main.useIndex(f.indexFile.string());
    ASSERT_TRUE(main.selectName(sjis("経理")));
    auto model = main.editModel();
    RecordingFontChooser fonts;
    CEditDlg dialog(*model, f.chooser, fonts);
    checkShown(dialog, "edit");
}

void fontDetail() {
    RecordingPrompter prompter;
    RecordingFontChooser chooser;
    const SealFonts fonts{{"IPAMincho", "", ""},
                          {"IPAMincho", "1", "16"},
                          {"IPAMincho", "0", "0"},
                          {"IPAMincho", "", ""}};
    FontDetailModel model(prompter, fonts, {4, 6, 4});
    CDlgDetail dialog(model, chooser);
    checkShown(dialog, "font detail");
}

void import() {
    ManagerFixture f;
    ImportDialogModel model(f.prompter, f.index(), "5.6.4");
    CDlgImport dialog(model, f.chooser, Language::Japanese);
    checkShown(dialog, "import");
}

void setting() {
    ManagerFixture f;
    ManagerSettingModel model(HankoSettings(f.settingsFile), "Japanese");
    CDlgSetting dialog(model);
    checkShown(dialog, "manager settings");
}

void about() {
    CAboutDlg dialog;
    checkShown(dialog, "about");
}

} // namespace

TEST(VrmgrTabOrder, TabGoesOnceRoundEveryDialogInReadingOrder) {
    for (void (*dialog)() :
         {manager, registerDialog, editDialog, fontDetail, import, setting, about})
        dialog();
}
