#pragma once

#include "manager/index_watcher.h"
#include "manager/manager_dialog_model.h"
#include "manager/manager_dialog_texts.h"

#include <QDialog>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vermil {

class FileChooser;
class ManagerWindows;
class SealPictureView;

// The manager's main dialog: binds the list, the fields, the seal picture and the
// buttons to ManagerDialogModel; the dialogs it opens come from `windows`. It
// owns none of what it talks through, so tests hand in fakes.
class CVrmgrDlg : public QDialog {
    Q_OBJECT

public:
    CVrmgrDlg(ManagerDialogModel& model, ManagerWindows& windows, FileChooser& chooser,
              QWidget* parent = nullptr);

    ManagerDialogModel& model() { return model_; }

    // The controls, for tests of the wiring.
    QListWidget* sealList() const { return list_; }
    QLineEdit* up2Field() const { return up2_; }
    QLineEdit* up1Field() const { return up1_; }
    QLineEdit* downField() const { return down_; }
    QLineEdit* dateFormatField() const { return dateFormat_; }
    QLineEdit* sizeXField() const { return sizeX_; }
    QLineEdit* sizeYField() const { return sizeY_; }
    QLineEdit* profileField() const { return profile_; }
    QLineEdit* indexPathField() const { return indexPath_; }
    SealPictureView* picture() const { return picture_; }
    QPushButton* addButton() const { return addButton_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QPushButton* editButton() const { return editButton_; }
    QPushButton* importButton() const { return importButton_; }
    QPushButton* settingButton() const { return settingButton_; }
    QPushButton* versionButton() const { return versionButton_; }
    QPushButton* closeButton() const { return closeButton_; }
    QPushButton* chooseIndexButton() const { return chooseIndexButton_; }
    QAction* versionAction() const { return versionAction_; }

signals:
    // The settings chose another language; the dialog shows it already.
    void languageChanged(vermil::Language language);

private:
    void buildControls();
    void applyTexts(const ManagerDialogTexts& texts);
    void connectControls();
    void showList();
    void showSelection();
    void showIndexPath();

    void selectRow(int row);
    void reloadIndex();
    void registerSeal();
    void editSeal();
    void deleteSeal();
    void importSeals();
    void changeSettings();
    void chooseIndex();

    ManagerDialogModel& model_;
    ManagerWindows& windows_;
    FileChooser& chooser_;
    IndexWatcher watcher_;

    QListWidget* list_ = nullptr;
    QGroupBox* textsGroup_ = nullptr;
    QLineEdit* up2_ = nullptr;
    QLineEdit* up1_ = nullptr;
    QLineEdit* down_ = nullptr;
    QLineEdit* dateFormat_ = nullptr;
    QGroupBox* sizeGroup_ = nullptr;
    QLabel* sizeXLabel_ = nullptr;
    QLabel* sizeYLabel_ = nullptr;
    QLineEdit* sizeX_ = nullptr;
    QLineEdit* sizeY_ = nullptr;
    QGroupBox* profileGroup_ = nullptr;
    QLineEdit* profile_ = nullptr;
    SealPictureView* picture_ = nullptr;
    QGroupBox* indexGroup_ = nullptr;
    QLineEdit* indexPath_ = nullptr;
    QPushButton* chooseIndexButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* settingButton_ = nullptr;
    QPushButton* versionButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QAction* versionAction_ = nullptr;
};

} // namespace vermil
