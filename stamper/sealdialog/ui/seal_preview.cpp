#include "stamper/sealdialog/ui/seal_preview.h"

#include "common/cp932.h"
#include "common/number_text.h"
#include "render/seal_fonts.h"
#include "render/seal_layout.h"
#include "render/seal_painter.h"

#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vermil {
namespace {

// The painter's screen drawing maps the grid from -1 to 101 onto the area.
constexpr double gridSpan = 102;

// A seal far wider than high (or the other way) is still shown large enough to read.
constexpr double widestProportion = 3;

int previewSide(const QWidget& widget) {
    return widget.fontMetrics().height() * 15;
}

} // namespace

SealPreview::SealPreview(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    dateEdit_ = new QLineEdit(this);
    dateEdit_->setFrame(false);
    dateEdit_->setAlignment(Qt::AlignCenter);
    dateEdit_->setAttribute(Qt::WA_MacShowFocusRect, false);
    dateEdit_->installEventFilter(this);
    connect(dateEdit_, &QLineEdit::textEdited, this, &SealPreview::sealDateEdited);
    connect(dateEdit_, &QLineEdit::textChanged, this, &SealPreview::styleDateEdit);
    styleDateEdit();
}

void SealPreview::setSeal(const SealDrawingInput& seal, std::string_view sizeX,
                          std::string_view sizeY) {
    seal_ = seal;
    const int x = decimalPrefix(sizeX);
    const int y = decimalPrefix(sizeY);
    widthPerHeight_ =
        x > 0 && y > 0 ? std::clamp(double(x) / y, 1 / widestProportion, widestProportion) : 1.0;
    const QString date = fromCp932(seal_.sealDateText);
    if (dateEdit_->text() != date)
        dateEdit_->setText(date);
    placeDateEdit();
    styleDateEdit();
    update();
}

void SealPreview::setColour(std::uint32_t colour) {
    seal_.colour = colour;
    styleDateEdit();
    update();
}

void SealPreview::setSealDateText(const std::string& text) {
    seal_.sealDateText = text;
    update();
}

QSize SealPreview::sizeHint() const {
    return {previewSide(*this), previewSide(*this)};
}

QSize SealPreview::minimumSizeHint() const {
    const int side = previewSide(*this) * 3 / 4;
    return {side, side};
}

QRect SealPreview::sealRect() const {
    const QRect area = rect().adjusted(8, 8, -8, -8);
    int width = area.width();
    int height = static_cast<int>(std::lround(width / widthPerHeight_));
    if (height > area.height()) {
        height = area.height();
        width = static_cast<int>(std::lround(height * widthPerHeight_));
    }
    QRect seal(0, 0, std::max(width, 1), std::max(height, 1));
    seal.moveCenter(area.center());
    return seal;
}

QRectF SealPreview::gridToWidget(const QRectF& grid) const {
    const QRect seal = sealRect();
    const double sx = seal.width() / gridSpan;
    const double sy = seal.height() / gridSpan;
    return {seal.left() + (grid.left() + 1) * sx, seal.top() + (grid.top() + 1) * sy,
            grid.width() * sx, grid.height() * sy};
}

void SealPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A sheet of paper under the seal.
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    // Drawn at the screen's pixel density, so the seal stays sharp at 200 %.
    const QRect seal = sealRect();
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(seal.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    SealDrawingInput drawing = seal_;
    if (dateEdit_->hasFocus())
        drawing.sealDateText.clear(); // the box shows it
    {
        QPainter sealPainter(&image);
        paintSealOnScreen(sealPainter, image.size(), drawing);
    }
    image.setDevicePixelRatio(ratio);
    painter.drawImage(seal.topLeft(), image);
}

void SealPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeDateEdit();
    styleDateEdit();
}

bool SealPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dateEdit_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        styleDateEdit();
        update();
    }
    return QWidget::eventFilter(watched, event);
}

// Over the date band, between the two band lines of the seal's layout.
void SealPreview::placeDateEdit() {
    const SealLayout layout = ReadSealLayout(seal_.profileText, seal_.penWidth);
    const double top = std::min(layout.bandLine1.y1, layout.bandLine2.y1);
    const double bottom = std::max(layout.bandLine1.y1, layout.bandLine2.y1);
    const double margin = std::max(2, layout.bandLine1.width);
    QRectF band(6, top + margin, 88, std::max(bottom - top - 2 * margin, 8.0));
    dateEdit_->setGeometry(gridToWidget(band).toAlignedRect());
}

// Invisible without the focus (the painting shows the date); in the seal colour
// on a pale ground while it is edited.
void SealPreview::styleDateEdit() {
    const int units = decimalPrefix(seal_.fontDate.size);
    const double height = std::abs(units != 0 ? units : automaticDateTextSize);
    int pixels = std::max(6, std::min(static_cast<int>(height * sealRect().height() / gridSpan),
                                      dateEdit_->height() - 2));
    const bool bold = seal_.fontDate.bold == "1";
    // A date longer than the band is shown smaller while it is edited, never cut.
    const int room = dateEdit_->width() - 8;
    while (pixels > 6 && QFontMetrics(sealFont(seal_.fontDate.name, pixels, bold))
                                 .horizontalAdvance(dateEdit_->text()) > room)
        --pixels;
    dateEdit_->setFont(sealFont(seal_.fontDate.name, pixels, bold));

    const bool editing = dateEdit_->hasFocus();
    QPalette palette = dateEdit_->palette();
    const QColor ink = sealColour(seal_.colour);
    palette.setColor(QPalette::Text, editing ? ink : Qt::transparent);
    palette.setColor(QPalette::Base, editing ? QColor(255, 248, 228) : Qt::transparent);
    palette.setColor(QPalette::Highlight, ink);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    dateEdit_->setPalette(palette);
    dateEdit_->setAutoFillBackground(editing);
}

} // namespace vermil
