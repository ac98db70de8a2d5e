#include "ctrailscan_dlg.h"

#include "check_report_table_model.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vermil {
namespace {

QLineEdit* makeCountBox(QWidget* parent) {
    auto* box = new QLineEdit(QStringLiteral("0"), parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setFocusPolicy(Qt::NoFocus);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    return box;
}

// Half-width and full-width characters in the 1:2 proportion of their byte
// counts, so the report lines up as in a text file.
QFont reportFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("IPAGothic"), font.family()});
    return font;
}

} // namespace

CtrailscanDlg::CtrailscanDlg(CheckerDialogModel& model, FileChooser& chooser, Language language,
                             QWidget* parent)
    : QDialog(parent), model_(model), chooser_(chooser), texts_(CheckerTexts::of(language)) {
    buildControls();
    applyTexts(texts_);
    connectControls();
    connectModel();
    pathEdit_->setText(model_.logPath());
    showState(model_.state());
    resize(720, 460);
}

CtrailscanDlg::~CtrailscanDlg() {
    model_.cancelCheck();
    model_.waitForCheck();
}

void CtrailscanDlg::buildControls() {
    pathGroup_ = new QGroupBox(this);
    pathEdit_ = new QLineEdit(pathGroup_);
    browseButton_ = new QPushButton(pathGroup_);
    browseButton_->setAutoDefault(false);
    auto* pathRow = new QHBoxLayout(pathGroup_);
    pathRow->addWidget(pathEdit_, 1);
    pathRow->addWidget(browseButton_);

    reportModel_ = new CheckReportTableModel(model_.report(), this);
    resultView_ = new QTableView(this);
    resultView_->setModel(reportModel_);
    resultView_->setFont(reportFont());
    resultView_->setShowGrid(false);
    resultView_->setWordWrap(false);
    resultView_->horizontalHeader()->hide();
    resultView_->verticalHeader()->hide();
    // Fixed row heights keep a view of millions of rows as quick as a short one.
    resultView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    resultView_->verticalHeader()->setDefaultSectionSize(QFontMetrics(reportFont()).height() + 2);
    resultView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    resultView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    resultView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    resultView_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    resultView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    resultView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* copy = new QAction(resultView_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    resultView_->addAction(copy);
    connect(copy, &QAction::triggered, this, &CtrailscanDlg::copySelection);
    widenResultColumn();

    totalBox_ = makeCountBox(this);
    okBox_ = makeCountBox(this);
    ngBox_ = makeCountBox(this);
    checkButton_ = new QPushButton(this);
    checkButton_->setDefault(true);
    closeButton_ = new QPushButton(this);
    closeButton_->setAutoDefault(false);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setAutoDefault(false);
    status_ = new QLabel(this);

    auto* counts = new QHBoxLayout;
    totalLabel_ = new QLabel(this);
    okLabel_ = new QLabel(this);
    ngLabel_ = new QLabel(this);
    const std::pair<QLabel*, QLineEdit*> countBoxes[] = {
        {totalLabel_, totalBox_}, {okLabel_, okBox_}, {ngLabel_, ngBox_}};
    for (const auto& [label, box] : countBoxes) {
        label->setBuddy(box);
        counts->addWidget(label);
        counts->addWidget(box);
        counts->addSpacing(8);
    }
    counts->addStretch(1);
    counts->addWidget(checkButton_);
    counts->addWidget(closeButton_);

    // Progress, Cancel and the note on a cancelled check share the row under the report.
    auto* progressRow = new QHBoxLayout;
    progressRow->setContentsMargins(0, 0, 0, 0);
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(cancelButton_);
    progressRow->addWidget(status_);
    progressRow->addStretch(0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pathGroup_);
    layout->addWidget(resultView_, 1);
    layout->addLayout(progressRow);
    layout->addLayout(counts);
}

void CtrailscanDlg::applyTexts(const CheckerTexts& texts) {
    setWindowTitle(texts.windowTitle);
    pathGroup_->setTitle(texts.pathGroup);
    browseButton_->setText(texts.browse);
    totalLabel_->setText(texts.total);
    okLabel_->setText(texts.ok);
    ngLabel_->setText(texts.ng);
    checkButton_->setText(texts.check);
    closeButton_->setText(texts.close);
    cancelButton_->setText(texts.cancel);
    status_->setText(texts.checkCancelled);
}

void CtrailscanDlg::connectControls() {
    connect(pathEdit_, &QLineEdit::textEdited, &model_, &CheckerDialogModel::setLogPath);
    connect(browseButton_, &QPushButton::clicked, this,
            [this] { model_.browse(chooser_, texts_.chooserTitle); });
    connect(checkButton_, &QPushButton::clicked, &model_, &CheckerDialogModel::startCheck);
    connect(closeButton_, &QPushButton::clicked, this, &CtrailscanDlg::reject);
    connect(cancelButton_, &QPushButton::clicked, &model_, &CheckerDialogModel::cancelCheck);
}

void CtrailscanDlg::connectModel() {
    connect(&model_, &CheckerDialogModel::logPathChanged, this, [this](const QString& path) {
        if (pathEdit_->text() != path)
            pathEdit_->setText(path);
    });
    connect(&model_, &CheckerDialogModel::reportCleared, this, [this] {
        reportModel_->reportCleared();
        widenResultColumn();
    });
    connect(&model_, &CheckerDialogModel::linesAdded, this,
            [this](std::size_t first, std::size_t n) {
                reportModel_->linesAdded(first, n);
                widenResultColumn();
            });
    connect(&model_, &CheckerDialogModel::countsChanged, this, &CtrailscanDlg::showCounts);
    connect(&model_, &CheckerDialogModel::progressChanged, this, &CtrailscanDlg::showProgress);
    connect(&model_, &CheckerDialogModel::stateChanged, this, &CtrailscanDlg::showState);
    connect(&model_, &CheckerDialogModel::beepRequested, this, [] { QApplication::beep(); });
}

void CtrailscanDlg::showCounts() {
    const CheckCounts& counts = model_.counts();
    totalBox_->setText(QString::number(counts.total));
    okBox_->setText(QString::number(counts.ok));
    ngBox_->setText(QString::number(counts.ng));
}

void CtrailscanDlg::showState(CheckerDialogModel::State state) {
    const bool checking = state == CheckerDialogModel::State::Checking;
    progress_->setVisible(checking);
    cancelButton_->setVisible(checking);
    checkButton_->setEnabled(!checking);
    pathEdit_->setEnabled(!checking);
    browseButton_->setEnabled(!checking);
    if (checking)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    status_->setVisible(state == CheckerDialogModel::State::Cancelled);
}

void CtrailscanDlg::showProgress(int permille) {
    if (permille < 0) {
        progress_->setRange(0, 0);
        return;
    }
    progress_->setRange(0, 1000);
    progress_->setValue(permille);
}

void CtrailscanDlg::widenResultColumn() {
    // The fixed-pitch font gives a half-width character one cell per byte.
    const QFontMetrics metrics(resultView_->font());
    const int cells = static_cast<int>(std::min<std::size_t>(model_.report().longestLineBytes(),
                                                             maxLogLineBytes)) +
                      2;
    const int wanted = std::max(resultView_->viewport()->width(),
                                metrics.horizontalAdvance(QLatin1Char('0')) * cells + 16);
    if (resultView_->columnWidth(0) < wanted)
        resultView_->setColumnWidth(0, wanted);
}

void CtrailscanDlg::copySelection() {
    std::vector<std::size_t> lines;
    for (const QModelIndex& index : resultView_->selectionModel()->selectedRows())
        lines.push_back(CheckReportTableModel::lineOfRow(index.row()));
    QApplication::clipboard()->setText(model_.reportTextOf(std::move(lines)));
}

void CtrailscanDlg::reject() {
    model_.cancelCheck();
    model_.waitForCheck();
    QDialog::reject();
}

} // namespace vermil
