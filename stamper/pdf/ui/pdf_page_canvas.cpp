#include "stamper/pdf/ui/pdf_page_canvas.h"

#include "stamper/pdf/pdf_stamp_view_model.h"

#include <QMouseEvent>
#include <QPainter>

namespace vermil {
namespace {

const QColor sealRed(230, 30, 20);
const QColor refusedGrey(128, 128, 128);

} // namespace

PdfPageCanvas::PdfPageCanvas(const PdfStampViewModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PdfPageCanvas::setPage(QImage image) {
    image_ = std::move(image);
    setFixedSize(model_.pagePixels());
    update();
}

void PdfPageCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(rect(), image_);
    if (pointer_)
        paintOutline(painter);
}

void PdfPageCanvas::paintOutline(QPainter& painter) const {
    const PdfStampViewModel::Outline outline = model_.outlineAt(*pointer_);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(outline.fits ? sealRed : refusedGrey, 1.5);
    if (!outline.fits)
        pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(outline.fits ? QColor(230, 30, 20, 28) : QColor(128, 128, 128, 40));
    painter.drawEllipse(outline.pixels);
    // The centre the seal is placed by.
    const QPointF centre = outline.pixels.center();
    painter.drawLine(centre - QPointF(4, 0), centre + QPointF(4, 0));
    painter.drawLine(centre - QPointF(0, 4), centre + QPointF(0, 4));
}

void PdfPageCanvas::mouseMoveEvent(QMouseEvent* event) {
    pointer_ = event->position();
    update();
    emit pointerMoved(*pointer_);
}

void PdfPageCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pointer_ = event->position();
    emit clicked(*pointer_);
}

void PdfPageCanvas::leaveEvent(QEvent*) {
    pointer_.reset();
    update();
    emit pointerLeft();
}

} // namespace vermil
