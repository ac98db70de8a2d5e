#pragma once

#include "common/language.h"

#include <QPointer>
#include <QWidget>

namespace vermil {

class EditSealModel;
class FileChooser;
class FontChooser;
class ImportDialogModel;
class ManagerSettingModel;
class RegisterSealModel;

// The dialogs the main dialog opens, each modal over it. The program shows the
// real ones; a test of the main dialog answers in their place.
class ManagerWindows {
public:
    virtual ~ManagerWindows() = default;
    // True when the dialog closed with OK.
    virtual bool runRegister(RegisterSealModel& model, Language language) = 0;
    virtual bool runEdit(EditSealModel& model) = 0;
    virtual void runImport(ImportDialogModel& model, Language language) = 0;
    virtual bool runSetting(ManagerSettingModel& model) = 0;
    virtual void runVersionBox() = 0;
};

// The real dialogs: CAddDlg, CEditDlg, CDlgImport, CDlgSetting and the version box.
class DialogWindows : public ManagerWindows {
public:
    DialogWindows(FileChooser& fileChooser, FontChooser& fontChooser)
        : fileChooser_(fileChooser), fontChooser_(fontChooser) {}
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    bool runRegister(RegisterSealModel& model, Language language) override;
    bool runEdit(EditSealModel& model) override;
    void runImport(ImportDialogModel& model, Language language) override;
    bool runSetting(ManagerSettingModel& model) override;
    void runVersionBox() override;

private:
    FileChooser& fileChooser_;
    FontChooser& fontChooser_;
    QPointer<QWidget> parent_;
};

} // namespace vermil
