#pragma once

#include "logcheck/checker_dialog_model.h"
#include "message_box_prompter.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace vermil {

class CheckReportTableModel;

// The log checker's dialog: binds the controls to CheckerDialogModel.
class CtrailscanDlg : public QDialog, private LogFileChooser {
    Q_OBJECT

public:
    explicit CtrailscanDlg(QWidget* parent = nullptr);
    ~CtrailscanDlg() override;

    CheckerDialogModel& model() { return *model_; }

    // The controls, for tests of the wiring.
    QLineEdit* pathEdit() const { return pathEdit_; }
    QPushButton* checkButton() const { return checkButton_; }
    QLineEdit* totalBox() const { return totalBox_; }
    QLineEdit* okBox() const { return okBox_; }
    QLineEdit* ngBox() const { return ngBox_; }
    QTableView* resultView() const { return resultView_; }

    void reject() override;

private:
    std::optional<QString> chooseLogFile(const QString& currentPath) override;

    void buildControls();
    void connectModel();
    void showCounts();
    void showChecking(bool checking);
    void showProgress(int permille);
    void widenResultColumn();
    void copySelection();

    MessageBoxPrompter prompter_;
    std::unique_ptr<CheckerDialogModel> model_;
    CheckReportTableModel* reportModel_ = nullptr;

    QLineEdit* pathEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QTableView* resultView_ = nullptr;
    QLineEdit* totalBox_ = nullptr;
    QLineEdit* okBox_ = nullptr;
    QLineEdit* ngBox_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace vermil
