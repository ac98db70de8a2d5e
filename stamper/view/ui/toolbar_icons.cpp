#include "stamper/view/ui/toolbar_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vermil {
namespace {

const QColor sealRed(255, 44, 1);
const QColor ink(60, 60, 70);
const QColor paper(250, 250, 246);

// A ring with two band lines: the seal itself.
void drawSeal(QPainter& p, const QRectF& box, const QColor& colour) {
    p.setPen(QPen(colour, box.width() * 0.09));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(box);
    const double inset = box.width() * 0.12;
    for (double y : {box.top() + box.height() * 0.36, box.top() + box.height() * 0.64})
        p.drawLine(QPointF(box.left() + inset, y), QPointF(box.right() - inset, y));
}

void drawSheet(QPainter& p, const QRectF& sheet) {
    p.setPen(QPen(ink, 1.6));
    p.setBrush(paper);
    p.drawRect(sheet);
}

void drawLines(QPainter& p, const QRectF& sheet, int count) {
    p.setPen(QPen(ink, 1.6));
    for (int i = 0; i < count; ++i) {
        const double y = sheet.top() + sheet.height() * (i + 1) / (count + 1);
        p.drawLine(QPointF(sheet.left() + 3, y), QPointF(sheet.right() - 3, y));
    }
}

void drawMagnifier(QPainter& p) {
    p.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QRectF(12, 12, 11, 11));
    p.drawLine(QPointF(21.5, 21.5), QPointF(28, 28));
}

void drawGear(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.save();
    p.translate(16, 16);
    for (int i = 0; i < 8; ++i) {
        p.drawRoundedRect(QRectF(-2.6, -14, 5.2, 8), 1, 1);
        p.rotate(45);
    }
    p.restore();
    p.drawEllipse(QRectF(5.5, 5.5, 21, 21));
    p.setBrush(paper);
    p.drawEllipse(QRectF(11.5, 11.5, 9, 9));
}

void drawKey(QPainter& p) {
    p.setPen(QPen(QColor(170, 120, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3.5, 9.5, 11, 11));
    p.drawLine(QPointF(14.5, 15), QPointF(28.5, 15));
    p.drawLine(QPointF(24, 15), QPointF(24, 21));
    p.drawLine(QPointF(28.5, 15), QPointF(28.5, 20));
}

void drawInfo(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 100, 190));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 7.5, 4, 4));
    p.drawRoundedRect(QRectF(14, 13.5, 4, 11.5), 1, 1);
}

void drawExit(QPainter& p) {
    p.setPen(QPen(ink, 2));
    p.setBrush(paper);
    p.drawRect(QRectF(4, 4, 14, 24));
    p.setPen(QPen(sealRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(12, 16), QPointF(28, 16));
    p.drawPolyline(QPolygonF({QPointF(23, 11), QPointF(28, 16), QPointF(23, 21)}));
}

void drawUpdate(QPainter& p) {
    p.setPen(QPen(QColor(30, 130, 70), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 5, 22, 22), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 130, 70));
    p.drawPolygon(QPolygonF({QPointF(20, 2), QPointF(28, 8), QPointF(19, 11)}));
}

void drawSaveCopy(QPainter& p) {
    drawSheet(p, QRectF(3, 3, 16, 20));
    drawSheet(p, QRectF(11, 9, 18, 20));
    drawSeal(p, QRectF(14.5, 12.5, 11, 11), sealRed);
    p.setPen(Qt::NoPen);
}

void drawStampPdf(QPainter& p) {
    const QRectF sheet(5, 3, 22, 26);
    drawSheet(p, sheet);
    drawLines(p, QRectF(5, 3, 22, 14), 2);
    drawSeal(p, QRectF(12, 15, 12, 12), sealRed);
}

void drawCommand(QPainter& p, FrameCommand command) {
    switch (command) {
    case FrameCommand::Stamp:
        drawSeal(p, QRectF(4, 4, 24, 24), sealRed);
        break;
    case FrameCommand::CheckStamp:
        drawSeal(p, QRectF(2, 2, 20, 20), sealRed);
        drawMagnifier(p);
        break;
    case FrameCommand::LogFile: {
        const QRectF sheet(6, 3, 20, 26);
        drawSheet(p, sheet);
        drawLines(p, sheet, 5);
        break;
    }
    case FrameCommand::Settings:
        drawGear(p);
        break;
    case FrameCommand::ChangePassword:
        drawKey(p);
        break;
    case FrameCommand::About:
        drawInfo(p);
        break;
    case FrameCommand::Exit:
        drawExit(p);
        break;
    case FrameCommand::Update:
        drawUpdate(p);
        break;
    case FrameCommand::SaveCopyAs:
        drawSaveCopy(p);
        break;
    case FrameCommand::StampPdf:
        drawStampPdf(p);
        break;
    case FrameCommand::ToolBar:
    case FrameCommand::StatusBar:
        break;
    }
}

// Paints the icon on a 32 x 32 design grid scaled to the requested size.
class VectorIconEngine : public QIconEngine {
public:
    explicit VectorIconEngine(FrameCommand command) : command_(command) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 32.0, rect.height() / 32.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        drawCommand(*painter, command_);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    // Sharp at 200 %: drawn at the device's pixels, not scaled up.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        pixmap.setDevicePixelRatio(scale);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new VectorIconEngine(command_); }

private:
    FrameCommand command_;
};

} // namespace

QIcon toolbarIcon(FrameCommand command) {
    return QIcon(new VectorIconEngine(command));
}

} // namespace vermil
