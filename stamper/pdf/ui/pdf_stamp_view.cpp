#include "stamper/pdf/ui/pdf_stamp_view.h"

#include "stamper/pdf/ui/pdf_page_canvas.h"

#include "stamper/pdf/pdf_stamp_view_model.h"
#include "stamper/pdf/pdf_stamp_view_texts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPdfDocument>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace vermil {

CPdfStampView::CPdfStampView(PdfStampViewModel& model, FileChooser& saveChooser, QWidget* parent)
    : QDialog(parent), model_(model), saveChooser_(saveChooser) {
    buildControls();
    applyTexts(model_.texts());
    connectControls();
    showDocument();
    // Most of a screen: a page is worth seeing large.
    const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() : QSize(1024, 768);
    resize(std::min(760, room.width() * 9 / 10), std::min(900, room.height() * 9 / 10));
}

CPdfStampView::~CPdfStampView() {
    // QDialog's destructor hides the canvas, which then reports the pointer
    // leaving: by then this view is gone, so it must hear nothing more.
    canvas_->disconnect(this);
}

void CPdfStampView::buildControls() {
    pdf_ = new QPdfDocument(this);
    previous_ = new QPushButton(this);
    next_ = new QPushButton(this);
    pageLabel_ = new QLabel(this);
    pageLabel_->setAlignment(Qt::AlignCenter);
    pageLabel_->setMinimumWidth(
        pageLabel_->fontMetrics().horizontalAdvance(QStringLiteral("0000 / 0000")));
    zoomOut_ = new QPushButton(this);
    zoomIn_ = new QPushButton(this);
    fit_ = new QPushButton(this);
    for (QPushButton* button : {previous_, next_, zoomOut_, zoomIn_, fit_})
        button->setAutoDefault(false);

    canvas_ = new PdfPageCanvas(model_, this);
    scroll_ = new QScrollArea(this);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setWidget(canvas_);

    hint_ = new QLabel(this);
    auto* buttons = new QDialogButtonBox(this);
    close_ = buttons->addButton(QDialogButtonBox::Close);
    close_->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPdfStampView::reject);

    auto* bar = new QHBoxLayout;
    bar->addWidget(previous_);
    bar->addWidget(pageLabel_);
    bar->addWidget(next_);
    bar->addSpacing(16);
    bar->addWidget(zoomOut_);
    bar->addWidget(zoomIn_);
    bar->addWidget(fit_);
    bar->addStretch(1);
    auto* foot = new QHBoxLayout;
    foot->addWidget(hint_, 1);
    foot->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);
    layout->addLayout(foot);
}

void CPdfStampView::applyTexts(const PdfStampViewTexts& texts) {
    previous_->setText(texts.previousPage);
    next_->setText(texts.nextPage);
    zoomOut_->setText(texts.zoomOut);
    zoomIn_->setText(texts.zoomIn);
    fit_->setText(texts.fitPage);
    close_->setText(texts.close);
}

void CPdfStampView::connectControls() {
    connect(previous_, &QPushButton::clicked, this, &CPdfStampView::goBack);
    connect(next_, &QPushButton::clicked, this, &CPdfStampView::goForward);
    connect(zoomOut_, &QPushButton::clicked, this, &CPdfStampView::zoomOut);
    connect(zoomIn_, &QPushButton::clicked, this, &CPdfStampView::zoomIn);
    connect(fit_, &QPushButton::clicked, this, &CPdfStampView::fitPage);
    // The page keys turn pages; the scroll bars still scroll with the arrows and the wheel.
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this,
            &CPdfStampView::goBack);
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
            &CPdfStampView::goForward);
    connect(new QShortcut(QKeySequence::ZoomIn, this), &QShortcut::activated, this,
            &CPdfStampView::zoomIn);
    connect(new QShortcut(QKeySequence::ZoomOut, this), &QShortcut::activated, this,
            &CPdfStampView::zoomOut);
    connect(canvas_, &PdfPageCanvas::pointerMoved, this, &CPdfStampView::showHint);
    connect(canvas_, &PdfPageCanvas::pointerLeft, this, &CPdfStampView::showHint);
    connect(canvas_, &PdfPageCanvas::clicked, this, &CPdfStampView::place);
}

void CPdfStampView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!fitted_) {
        fitted_ = true;
        fitPage();
    }
}

void CPdfStampView::showDocument() {
    setWindowTitle(model_.windowTitle());
    pdf_->close();
    pdf_->load(QString::fromStdString(model_.file().string()));
    showPage();
}

void CPdfStampView::showPage() {
    const qreal ratio = devicePixelRatioF();
    QImage image = pdf_->render(model_.page() - 1, model_.pagePixels() * ratio);
    image.setDevicePixelRatio(ratio);
    canvas_->setPage(std::move(image));
    pageLabel_->setText(model_.pageLabel());
    previous_->setEnabled(model_.canGoBack());
    next_->setEnabled(model_.canGoForward());
    zoomIn_->setEnabled(model_.zoom().canZoomIn());
    zoomOut_->setEnabled(model_.zoom().canZoomOut());
    showHint();
}

void CPdfStampView::showHint() {
    const std::optional<QPointF> pointer = canvas_->pointer();
    hint_->setText(pointer ? model_.hintAt(*pointer) : model_.texts().placeHint);
}

void CPdfStampView::goBack() {
    if (!model_.canGoBack())
        return;
    model_.previousPage();
    showPage();
}

void CPdfStampView::goForward() {
    if (!model_.canGoForward())
        return;
    model_.nextPage();
    showPage();
}

void CPdfStampView::zoomIn() {
    model_.zoomIn();
    showPage();
}

void CPdfStampView::zoomOut() {
    model_.zoomOut();
    showPage();
}

void CPdfStampView::fitPage() {
    // Room for the frame of the scroll area, so no scroll bar is needed.
    const QSize room = scroll_->viewport()->size() - QSize(8, 8);
    model_.fitTo(QSizeF(room));
    showPage();
}

void CPdfStampView::place(QPointF pointer) {
    switch (model_.placeAt(pointer, saveChooser_)) {
    case PdfStampViewModel::Placed::Refused:
        QApplication::beep();
        break;
    case PdfStampViewModel::Placed::Cancelled:
    case PdfStampViewModel::Placed::DoesNotFit:
        canvas_->update();
        showHint();
        break;
    case PdfStampViewModel::Placed::Saved:
    case PdfStampViewModel::Placed::Discarded:
    case PdfStampViewModel::Placed::Failed:
        if (!model_.isOpen()) {
            done(QDialog::Rejected);
            return;
        }
        showDocument();
        break;
    }
}

void CPdfStampView::reject() {
    if (model_.mayClose())
        QDialog::reject();
}

} // namespace vermil
