#include "ctrailscan_dlg.h"

#include "check_report_table_model.h"

#include "logcheck/checker_texts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
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

#include <set>

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

CtrailscanDlg::CtrailscanDlg(QWidget* parent)
    : QDialog(parent), prompter_(this), model_(std::make_unique<CheckerDialogModel>(prompter_)) {
    setWindowTitle(checkertexts::windowTitle);
    buildControls();
    connectModel();
    pathEdit_->setText(model_->logPath());
    showChecking(false);
    resize(720, 460);
}

CtrailscanDlg::~CtrailscanDlg() {
    model_->cancelCheck();
    model_->waitForCheck();
}

void CtrailscanDlg::buildControls() {
    auto* pathGroup = new QGroupBox(checkertexts::pathGroup, this);
    pathEdit_ = new QLineEdit(pathGroup);
    browseButton_ = new QPushButton(checkertexts::browse, pathGroup);
    browseButton_->setAutoDefault(false);
    auto* pathRow = new QHBoxLayout(pathGroup);
    pathRow->addWidget(pathEdit_, 1);
    pathRow->addWidget(browseButton_);

    reportModel_ = new CheckReportTableModel(model_->report(), this);
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
    checkButton_ = new QPushButton(checkertexts::check, this);
    checkButton_->setDefault(true);
    closeButton_ = new QPushButton(checkertexts::close, this);
    closeButton_->setAutoDefault(false);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    cancelButton_ = new QPushButton(checkertexts::cancel, this);
    cancelButton_->setAutoDefault(false);
    status_ = new QLabel(QStringLiteral("Check cancelled"), this);

    auto* counts = new QHBoxLayout;
    const std::pair<const QString&, QLineEdit*> countBoxes[] = {
        {checkertexts::total, totalBox_}, {checkertexts::ok, okBox_}, {checkertexts::ng, ngBox_}};
    for (const auto& [caption, box] : countBoxes) {
        auto* label = new QLabel(caption, this);
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
    layout->addWidget(pathGroup);
    layout->addWidget(resultView_, 1);
    layout->addLayout(progressRow);
    layout->addLayout(counts);

    connect(pathEdit_, &QLineEdit::textEdited, model_.get(), &CheckerDialogModel::setLogPath);
    connect(browseButton_, &QPushButton::clicked, this, [this] { model_->browse(*this); });
    connect(checkButton_, &QPushButton::clicked, this, [this] {
        status_->hide();
        model_->startCheck();
    });
    connect(closeButton_, &QPushButton::clicked, this, &CtrailscanDlg::reject);
    connect(cancelButton_, &QPushButton::clicked, model_.get(), &CheckerDialogModel::cancelCheck);
}

void CtrailscanDlg::connectModel() {
    CheckerDialogModel* model = model_.get();
    connect(model, &CheckerDialogModel::logPathChanged, this, [this](const QString& path) {
        if (pathEdit_->text() != path)
            pathEdit_->setText(path);
    });
    connect(model, &CheckerDialogModel::reportCleared, this, [this] {
        reportModel_->reportCleared();
        widenResultColumn();
    });
    connect(model, &CheckerDialogModel::linesAdded, this, [this](std::size_t first, std::size_t n) {
        reportModel_->linesAdded(first, n);
        widenResultColumn();
    });
    connect(model, &CheckerDialogModel::countsChanged, this, &CtrailscanDlg::showCounts);
    connect(model, &CheckerDialogModel::progressChanged, this, &CtrailscanDlg::showProgress);
    connect(model, &CheckerDialogModel::checkingChanged, this, &CtrailscanDlg::showChecking);
    connect(model, &CheckerDialogModel::beepRequested, this, [] { QApplication::beep(); });
}

void CtrailscanDlg::showCounts() {
    const CheckCounts& counts = model_->counts();
    totalBox_->setText(QString::number(counts.total));
    okBox_->setText(QString::number(counts.ok));
    ngBox_->setText(QString::number(counts.ng));
}

void CtrailscanDlg::showChecking(bool checking) {
    progress_->setVisible(checking);
    cancelButton_->setVisible(checking);
    checkButton_->setEnabled(!checking);
    pathEdit_->setEnabled(!checking);
    browseButton_->setEnabled(!checking);
    if (checking)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    status_->setVisible(!checking && model_->state() == CheckerDialogModel::State::Cancelled);
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
    const int cells = static_cast<int>(std::min<std::size_t>(model_->report().longestLineBytes(),
                                                             maxLogLineBytes)) +
                      2;
    const int wanted = std::max(resultView_->viewport()->width(),
                                metrics.horizontalAdvance(QLatin1Char('0')) * cells + 16);
    if (resultView_->columnWidth(0) < wanted)
        resultView_->setColumnWidth(0, wanted);
}

void CtrailscanDlg::copySelection() {
    std::set<std::size_t> lines;
    for (const QModelIndex& index : resultView_->selectionModel()->selectedRows())
        lines.insert(CheckReportTableModel::lineOfRow(index.row()));
    std::string text;
    for (std::size_t line : lines)
        text += model_->report().reportText(line, line + 1);
    QApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::optional<QString> CtrailscanDlg::chooseLogFile(const QString& currentPath) {
    QFileDialog chooser(this);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setNameFilter(checkertexts::fileFilter);
    chooser.setDefaultSuffix(checkertexts::defaultSuffix);
    if (!currentPath.isEmpty())
        chooser.selectFile(currentPath);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    return chooser.selectedFiles().constFirst();
}

void CtrailscanDlg::reject() {
    model_->cancelCheck();
    model_->waitForCheck();
    QDialog::reject();
}

} // namespace vermil
