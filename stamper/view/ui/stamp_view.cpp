#include "stamper/view/ui/stamp_view.h"

#include "render/seal_painter.h"
#include "stamper/document/stamp_document.h"
#include "stamper/view/stamp_view_model.h"

#include <QPainter>
#include <QTimer>

namespace vermil {

CVermilinView::CVermilinView(StampViewModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(60, 60);
}

QSize CVermilinView::sizeHint() const {
    return {280, 280};
}

void CVermilinView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    CVermilinDoc& document = model_.document();
    if (hasSeal(document)) {
        paintSealOnScreen(painter, size(), document.drawingInput());
        return;
    }
    // Not stamped yet: the container's outline, in the place the seal will take.
    const int w = width();
    const int h = height();
    painter.setViewport(QRect(w / 102, h / 102, w * 100 / 102, h * 100 / 102));
    paintSealInContainer(painter, document.stamp().drawing, 1.0);
}

void CVermilinView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (firstUpdateDone_)
        return;
    firstUpdateDone_ = true;
    // After the window has painted once, as the framework's first update comes.
    QTimer::singleShot(0, this, [this] { model_.firstUpdate(); });
}

} // namespace vermil
