#pragma once

#include "logcheck/checker_dialog_model.h"
#include "logcheck/checker_dialog_texts.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace vermil {

class CheckReportTableModel;
class FileChooser;

// The log checker's dialog: binds the controls to CheckerDialogModel. It owns
// none of what it talks through, so tests hand in recording fakes.
class CtrailscanDlg : public QDialog {
    Q_OBJECT

public:
    CtrailscanDlg(CheckerDialogModel& model, FileChooser& chooser, Language language,
                  QWidget* parent = nullptr);
    ~CtrailscanDlg() override;

    CheckerDialogModel& model() { return model_; }

    // The controls, for tests of the wiring.
    QLineEdit* pathEdit() const { return pathEdit_; }
    QPushButton* browseButton() const { return browseButton_; }
    QPushButton* checkButton() const { return checkButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QLineEdit* totalBox() const { return totalBox_; }
    QLineEdit* okBox() const { return okBox_; }
    QLineEdit* ngBox() const { return ngBox_; }
    QTableView* resultView() const { return resultView_; }
    QLabel* statusLabel() const { return status_; }
    QLabel* summaryLabel() const { return summary_; }
    QCheckBox* ngOnlyBox() const { return ngOnlyBox_; }
    // The log lines of the selected rows, in file order.
    std::vector<std::size_t> selectedLines() const;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void applyTexts(const CheckerDialogTexts& texts);
    void connectControls();
    void connectModel();
    void showCounts();
    void showState(CheckerDialogModel::State state);
    void showProgress(int permille);
    void showSummary();
    void showCurrentLine(std::size_t line);
    void takeCurrentRow(const QModelIndex& current);
    void widenResultColumn();
    void addShortcut(QWidget* owner, const QKeySequence& keys, Qt::ShortcutContext context,
                     void (CtrailscanDlg::*slot)());
    void copySelection();
    void copySelectionAsTable();
    void goToNextNg();
    void goToPreviousNg();

    CheckerDialogModel& model_;
    FileChooser& chooser_;
    const CheckerDialogTexts& texts_;
    CheckReportTableModel* reportModel_ = nullptr;

    QGroupBox* pathGroup_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QLabel* summary_ = nullptr;
    QCheckBox* ngOnlyBox_ = nullptr;
    QTableView* resultView_ = nullptr;
    QLabel* totalLabel_ = nullptr;
    QLabel* okLabel_ = nullptr;
    QLabel* ngLabel_ = nullptr;
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
