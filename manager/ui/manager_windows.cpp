#include "manager_windows.h"

#include "cadd_dlg.h"
#include "cedit_dlg.h"
#include "manager/ui/about_dialog.h"
#include "manager/ui/import_dialog.h"
#include "manager/ui/manager_setting_dialog.h"

namespace vermil {

bool DialogWindows::runRegister(RegisterSealModel& model, Language language) {
    CAddDlg dialog(model, fileChooser_, fontChooser_, language, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool DialogWindows::runEdit(EditSealModel& model) {
    CEditDlg dialog(model, fileChooser_, fontChooser_, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void DialogWindows::runImport(ImportDialogModel& model, Language language) {
    CDlgImport dialog(model, fileChooser_, language, parent_);
    dialog.exec();
}

bool DialogWindows::runSetting(ManagerSettingModel& model) {
    CDlgSetting dialog(model, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void DialogWindows::runVersionBox() {
    CAboutDlg dialog(parent_);
    dialog.exec();
}

} // namespace vermil
