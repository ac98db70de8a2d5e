#pragma once

#include "manager/import/import_dialog_model.h"
#include "manager/import/import_dialog_texts.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vermil {

class FileChooser;

// The CSV import dialog: the CSV path, Run and Close bound to ImportDialogModel,
// with a progress bar and Cancel while an import runs.
class CDlgImport : public QDialog {
    Q_OBJECT

public:
    CDlgImport(ImportDialogModel& model, FileChooser& chooser, Language language,
               QWidget* parent = nullptr);
    ~CDlgImport() override;

    // The controls, for tests of the wiring.
    QLineEdit* pathEdit() const { return pathEdit_; }
    QPushButton* browseButton() const { return browseButton_; }
    QPushButton* runButton() const { return runButton_; }
    QPushButton* closeButton() const { return closeButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* progressLabel() const { return progressLabel_; }

    void reject() override;

private:
    void buildControls();
    void applyTexts(const ImportDialogTexts& texts);
    void connectControls();
    void connectModel();
    void showState(ImportDialogModel::State state);
    void showProgress(int done, int total);

    ImportDialogModel& model_;
    FileChooser& chooser_;
    const ImportDialogTexts& texts_;

    QGroupBox* fileGroup_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QLabel* formatHint_ = nullptr;
    QLabel* limitHint_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace vermil
