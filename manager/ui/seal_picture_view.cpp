#include "seal_picture_view.h"

#include "render/seal_painter.h"

#include <QPainter>

namespace vermil {

SealPictureView::SealPictureView(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SealPictureView::setSeal(std::optional<SealDrawingInput> seal, int widthMm, int heightMm) {
    seal_ = std::move(seal);
    widthMm_ = widthMm > 0 ? widthMm : 1;
    heightMm_ = heightMm > 0 ? heightMm : 1;
    update();
}

QSize SealPictureView::sizeHint() const {
    const int side = fontMetrics().height() * 11;
    return {side, side};
}

QSize SealPictureView::minimumSizeHint() const {
    const int side = fontMetrics().height() * 6;
    return {side, side};
}

QRect SealPictureView::sealRect() const {
    const int margin = fontMetrics().height() / 2;
    const QRect area = contentsRect().adjusted(margin, margin, -margin, -margin);
    if (area.isEmpty())
        return {};
    // The seal's proportions, as large as the area allows.
    QSize size(widthMm_, heightMm_);
    size.scale(area.size(), Qt::KeepAspectRatio);
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(area.center());
    return rect;
}

void SealPictureView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect rect = sealRect();
    if (!seal_ || rect.isEmpty())
        return;
    QPainter painter(this);
    painter.setViewport(rect);
    paintScreenSealPicture(painter, *seal_);
}

} // namespace vermil
