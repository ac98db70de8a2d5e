#include "logcheck/ui/checker_dialog.h"

#include "logcheck/ui/check_report_table_model.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

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
    : QDialog(parent), model_(model), chooser_(chooser), texts_(CheckerDialogTexts::of(language)) {
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

    summary_ = new QLabel(this);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ngOnlyBox_ = new QCheckBox(this);
    auto* summaryRow = new QHBoxLayout;
    summaryRow->setContentsMargins(0, 0, 0, 0);
    summaryRow->addWidget(summary_, 1);
    summaryRow->addWidget(ngOnlyBox_);

    reportModel_ = new CheckReportTableModel(model_, this);
    resultView_ = new QTableView(this);
    resultView_->setModel(reportModel_);
    resultView_->setFont(reportFont());
    resultView_->setShowGrid(false);
    resultView_->setWordWrap(false);
    resultView_->horizontalHeader()->hide();
    // The row header is the line-number column: it stays in place when a long
    // line is scrolled sideways.
    QHeaderView* lineNumbers = resultView_->verticalHeader();
    lineNumbers->setFont(reportFont());
    lineNumbers->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lineNumbers->setHighlightSections(false);
    lineNumbers->setSectionsClickable(false);
    // Fixed row heights keep a view of millions of rows as quick as a short one.
    lineNumbers->setSectionResizeMode(QHeaderView::Fixed);
    lineNumbers->setMinimumSectionSize(1);
    lineNumbers->setDefaultSectionSize(QFontMetrics(reportFont()).height() + 2);
    resultView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    resultView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    resultView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    resultView_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    resultView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab leaves the report for the buttons; the arrows move within it.
    resultView_->setTabKeyNavigation(false);
    resultView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    addShortcut(resultView_, QKeySequence::Copy, Qt::WidgetShortcut, &CtrailscanDlg::copySelection);
    addShortcut(resultView_, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), Qt::WidgetShortcut,
                &CtrailscanDlg::copySelectionAsTable);
    // From NG line to NG line wherever the focus is in the window.
    addShortcut(this, QKeySequence(Qt::Key_F3), Qt::WindowShortcut, &CtrailscanDlg::goToNextNg);
    addShortcut(this, QKeySequence(Qt::SHIFT | Qt::Key_F3), Qt::WindowShortcut,
                &CtrailscanDlg::goToPreviousNg);
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
    layout->addLayout(summaryRow);
    layout->addWidget(resultView_, 1);
    layout->addLayout(progressRow);
    layout->addLayout(counts);
}

void CtrailscanDlg::applyTexts(const CheckerDialogTexts& texts) {
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
    ngOnlyBox_->setText(texts.ngOnly);
}

void CtrailscanDlg::connectControls() {
    connect(pathEdit_, &QLineEdit::textEdited, &model_, &CheckerDialogModel::setLogPath);
    connect(browseButton_, &QPushButton::clicked, this,
            [this] { model_.browse(chooser_, texts_.chooserTitle); });
    connect(checkButton_, &QPushButton::clicked, &model_, &CheckerDialogModel::startCheck);
    connect(closeButton_, &QPushButton::clicked, this, &CtrailscanDlg::reject);
    connect(cancelButton_, &QPushButton::clicked, &model_, &CheckerDialogModel::cancelCheck);
    connect(ngOnlyBox_, &QCheckBox::toggled, &model_, &CheckerDialogModel::setNgOnly);
    connect(resultView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CtrailscanDlg::takeCurrentRow);
}

void CtrailscanDlg::connectModel() {
    connect(&model_, &CheckerDialogModel::logPathChanged, this, [this](const QString& path) {
        if (pathEdit_->text() != path)
            pathEdit_->setText(path);
    });
    connect(&model_, &CheckerDialogModel::reportCleared, this, [this] {
        reportModel_->reset();
        widenResultColumn();
    });
    connect(&model_, &CheckerDialogModel::shownLinesReset, this, [this] {
        reportModel_->reset();
        widenResultColumn();
    });
    connect(&model_, &CheckerDialogModel::linesAdded, this, [this] {
        reportModel_->linesAdded();
        widenResultColumn();
    });
    connect(&model_, &CheckerDialogModel::currentLineChanged, this,
            &CtrailscanDlg::showCurrentLine);
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
    showSummary();
}

void CtrailscanDlg::showSummary() {
    summary_->setText(model_.summaryText());
}

void CtrailscanDlg::showCurrentLine(std::size_t line) {
    const auto row = reportModel_->rowOfLine(line);
    if (!row)
        return;
    const QModelIndex current = resultView_->currentIndex();
    if (current.isValid() && reportModel_->lineOfRow(current.row()) == line)
        return; // the user is there already; keep the selection as it is
    QItemSelectionModel* selection = resultView_->selectionModel();
    const QModelIndex first = reportModel_->index(*row, 0);
    const QModelIndex verdict = reportModel_->index(*row + 1, 0);
    selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(first, verdict),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    resultView_->scrollTo(first);
}

void CtrailscanDlg::takeCurrentRow(const QModelIndex& current) {
    if (current.isValid())
        model_.setCurrentLine(reportModel_->lineOfRow(current.row()));
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
    showSummary();
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

void CtrailscanDlg::addShortcut(QWidget* owner, const QKeySequence& keys,
                                Qt::ShortcutContext context, void (CtrailscanDlg::*slot)()) {
    auto* action = new QAction(owner);
    action->setShortcut(keys);
    action->setShortcutContext(context);
    owner->addAction(action);
    connect(action, &QAction::triggered, this, slot);
}

std::vector<std::size_t> CtrailscanDlg::selectedLines() const {
    std::vector<std::size_t> lines;
    for (const QModelIndex& index : resultView_->selectionModel()->selectedRows())
        lines.push_back(reportModel_->lineOfRow(index.row()));
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

void CtrailscanDlg::copySelection() {
    QApplication::clipboard()->setText(model_.reportTextOf(selectedLines()));
}

void CtrailscanDlg::copySelectionAsTable() {
    QApplication::clipboard()->setText(model_.tabSeparatedTextOf(selectedLines()));
}

void CtrailscanDlg::goToNextNg() {
    model_.goToNextNg();
}

void CtrailscanDlg::goToPreviousNg() {
    model_.goToPreviousNg();
}

void CtrailscanDlg::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel) && model_.cancelRunningCheck()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CtrailscanDlg::reject() {
    model_.cancelCheck();
    model_.waitForCheck();
    QDialog::reject();
}

} // namespace vermil
