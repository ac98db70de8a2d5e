#include "render/seal_painter.h"

#include "common/cp932.h"
#include "common/number_text.h"
#include "render/seal_fonts.h"
#include "render/seal_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <array>
#include <string>

namespace vermil {

namespace {

// Glyph outlines are taken at this pixel size and scaled down to the character
// height, so that text metrics keep their precision at a few grid units.
constexpr int outlinePixelSize = 1024;

// Widening of glyphs for a bold face the font lacks: 1/24 of the character height,
// as font renderers embolden.
constexpr double syntheticBoldWidth = outlinePixelSize / 24.0;

const QColor placeholderColour(64, 64, 64);

enum class SealTarget { Screen, Container };

enum class TextAlignment {
    BottomCentre,   // the anchor is the bottom centre of the text cell
    BaselineCentre, // the anchor is the centre of the text on its base line
    TopCentre,      // the anchor is the top centre of the text cell
};

struct SealTextLine {
    const std::string& text;
    const SealLineFont& font;
    SealAnchor anchor;
    TextAlignment alignment;
    bool isDate;
};

// The four texts in drawing order.
std::array<SealTextLine, 4> sealTextLines(const SealDrawingInput& input, const SealLayout& layout) {
    return {{
        {input.upperText2, input.fontUp2, layout.upperText2, TextAlignment::BottomCentre, false},
        {input.upperText1, input.fontUp, layout.upperText1, TextAlignment::BottomCentre, false},
        {input.sealDateText, input.fontDate, layout.sealDate, TextAlignment::BaselineCentre, true},
        {input.lowerText, input.fontLow, layout.lowerText, TextAlignment::TopCentre, false},
    }};
}

// Size fields of the four texts, in the same order, for the screen's write-back.
std::array<std::string*, 4> sizeFields(SealDrawingInput& input) {
    return {&input.fontUp2.size, &input.fontUp.size, &input.fontDate.size, &input.fontLow.size};
}

bool isAutomaticSize(const SealLineFont& font) {
    return decimalPrefix(font.size) == 0;
}

int textSize(const SealTextLine& line) {
    const int size = decimalPrefix(line.font.size);
    if (size != 0) {
        return size;
    }
    return line.isDate ? automaticDateTextSize
                       : AutoTextSize(static_cast<std::ptrdiff_t>(line.text.size()));
}

bool skippedOnScreen(const SealTextLine& line) {
    return !line.isDate && line.text.empty();
}

QRectF figureRect(const SealFigure& figure) {
    return QRectF(QPointF(figure.x1, figure.y1), QPointF(figure.x2, figure.y2)).normalized();
}

QPen solidPen(const QColor& colour, int width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawRing(QPainter& painter, const SealFigure& ring, const QColor& colour) {
    if (ring.width <= 0) {
        return;
    }
    painter.setPen(solidPen(colour, ring.width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(figureRect(ring));
}

void drawBandLine(QPainter& painter, const SealFigure& line, const QColor& colour) {
    if (line.width <= 0) {
        return;
    }
    painter.setPen(solidPen(colour, line.width));
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
}

void drawFrame(QPainter& painter, const SealLayout& layout, const QColor& colour) {
    drawRing(painter, layout.outerRing, colour);
    drawRing(painter, layout.innerRing, colour);
    for (const SealFigure* line :
         {&layout.bandLine1, &layout.bandLine2, &layout.bandLine3, &layout.bandLine4}) {
        drawBandLine(painter, *line, colour);
    }
}

void drawPlaceholder(QPainter& painter, const SealLayout& layout, double hairlineWidth) {
    QPen pen(placeholderColour, hairlineWidth, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(figureRect(layout.outerRing));
    for (const SealFigure* line : {&layout.bandLine1, &layout.bandLine2}) {
        painter.drawLine(QPointF(line->x1, line->y1), QPointF(line->x2, line->y2));
    }
}

// Character height in grid units: a positive size asks for the em height, a negative
// one for the height of the whole text cell (ascent plus descent).
double emHeight(int size, const QFontMetricsF& metrics) {
    const int clamped = std::clamp(size, -maxSealTextSize, maxSealTextSize);
    if (clamped >= 0) {
        return clamped;
    }
    const double cellHeight = metrics.ascent() + metrics.descent();
    return cellHeight > 0 ? -clamped * outlinePixelSize / cellHeight : -clamped;
}

double baselineOffset(TextAlignment alignment, const QFontMetricsF& metrics) {
    switch (alignment) {
    case TextAlignment::BottomCentre:
        return -metrics.descent();
    case TextAlignment::TopCentre:
        return metrics.ascent();
    case TextAlignment::BaselineCentre:
        break;
    }
    return 0;
}

void drawText(QPainter& painter, const SealTextLine& line, int size, const QColor& colour) {
    const QString text = fromCp932(line.text);
    if (text.isEmpty()) {
        return;
    }
    const QFont font = sealFont(line.font.name, outlinePixelSize, line.font.bold == "1");
    const QFontMetricsF metrics(font);
    QPainterPath glyphs;
    glyphs.addText(0, 0, font, text);
    // A blank text has no outline; drawn with the bold pen, its lone starting
    // point would still leave a dot in a PDF.
    if (glyphs.isEmpty()) {
        return;
    }

    const double scale = emHeight(size, metrics) / outlinePixelSize;
    painter.save();
    painter.translate(line.anchor.x, line.anchor.y);
    painter.scale(scale, scale);
    painter.translate(-metrics.horizontalAdvance(text) / 2,
                      baselineOffset(line.alignment, metrics));
    if (needsSyntheticBold(font)) {
        painter.setPen(
            QPen(colour, syntheticBoldWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(colour);
    painter.drawPath(glyphs);
    painter.restore();
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
}

// How far, in grid units, the frame's ink reaches beyond the seal box on its farthest
// side: half the pen of a ring drawn on the box edge. Round caps reach half a pen past
// a line's ends.
double frameOverhang(const SealLayout& layout) {
    double overhang = 0;
    for (const SealFigure* figure : {&layout.outerRing, &layout.innerRing, &layout.bandLine1,
                                     &layout.bandLine2, &layout.bandLine3, &layout.bandLine4}) {
        if (figure->width <= 0) {
            continue;
        }
        const double halfPen = figure->width / 2.0;
        const QRectF reach = figureRect(*figure).adjusted(-halfPen, -halfPen, halfPen, halfPen);
        overhang = std::max(
            {overhang, -reach.left(), -reach.top(), reach.right() - 100.0, reach.bottom() - 100.0});
    }
    return std::min(overhang, maxFrameOverhang);
}

QRectF pictureGrid(const SealLayout& layout) {
    const double overhang = frameOverhang(layout);
    return QRectF(-overhang, -overhang, 100 + 2 * overhang, 100 + 2 * overhang);
}

// Pictures show the seal box grown by the frame's overhang, so that the ink's outer
// edge, not the middle of the ring's pen, lies on the picture's edge. A seal stated as
// 21 x 15 mm then measures 21 x 15 mm wherever the picture is placed, and the
// picture's corner is the seal's corner; growing the picture instead would make it
// larger than the seal by a pen's width. The window stays 0 to 100 (its extent is an
// integer); a world transform shrinks the grid into it.
void mapPictureGridOntoViewport(QPainter& painter, const SealLayout& layout) {
    painter.setWindow(0, 0, 100, 100);
    const QRectF grid = pictureGrid(layout);
    const double scale = 100 / grid.width();
    painter.setWorldTransform(
        QTransform(scale, 0, 0, scale, -grid.left() * scale, -grid.top() * scale), true);
}

bool sealTextsEmpty(const SealDrawingInput& input) {
    return input.upperText1.empty() && input.upperText2.empty() && input.lowerText.empty();
}

void drawSeal(QPainter& painter, const SealDrawingInput& input, const SealLayout& layout,
              SealTarget target) {
    const QColor colour = sealColour(input.colour);
    drawFrame(painter, layout, colour);
    for (const SealTextLine& line : sealTextLines(input, layout)) {
        if (target == SealTarget::Screen && skippedOnScreen(line)) {
            continue;
        }
        drawText(painter, line, textSize(line), colour);
    }
}

// The screen keeps the sizes it chose, so that later drawings and the saved stamp
// hold them; skipped texts keep their fields.
void writeBackAutomaticSizes(SealDrawingInput& input) {
    const SealLayout layout; // anchors do not matter here
    const auto lines = sealTextLines(input, layout);
    const auto fields = sizeFields(input);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!skippedOnScreen(lines[i]) && isAutomaticSize(lines[i].font)) {
            *fields[i] = std::to_string(textSize(lines[i]));
        }
    }
}

} // namespace

QColor sealColour(std::uint32_t colourValue) {
    return QColor(static_cast<int>(colourValue & 0xFF), static_cast<int>((colourValue >> 8) & 0xFF),
                  static_cast<int>((colourValue >> 16) & 0xFF));
}

void paintSealOnScreen(QPainter& painter, QSize clientSize, SealDrawingInput& input) {
    if (!clientSize.isEmpty()) {
        prepare(painter);
        painter.setWindow(-1, -1, 102, 102);
        painter.setViewport(0, 0, clientSize.width(), clientSize.height());
        drawSeal(painter, input, ReadSealLayout(input.profileText, input.penWidth),
                 SealTarget::Screen);
    }
    writeBackAutomaticSizes(input);
}

void settleAutomaticSizes(SealDrawingInput& input) {
    writeBackAutomaticSizes(input);
}

QRectF sealPictureGrid(const SealDrawingInput& input) {
    return pictureGrid(ReadSealLayout(input.profileText, input.penWidth));
}

void paintScreenSealPicture(QPainter& painter, const SealDrawingInput& input) {
    prepare(painter);
    const SealLayout layout = ReadSealLayout(input.profileText, input.penWidth);
    const QTransform callersWorld = painter.worldTransform();
    mapPictureGridOntoViewport(painter, layout);
    drawSeal(painter, input, layout, SealTarget::Screen);
    painter.setWorldTransform(callersWorld);
}

void paintSealInContainer(QPainter& painter, const SealDrawingInput& input, double hairlineWidth) {
    prepare(painter);
    const SealLayout layout = ReadSealLayout(input.profileText, input.penWidth);
    const QTransform callersWorld = painter.worldTransform();
    mapPictureGridOntoViewport(painter, layout);
    if (sealTextsEmpty(input)) {
        drawPlaceholder(painter, layout, hairlineWidth);
    } else {
        drawSeal(painter, input, layout, SealTarget::Container);
    }
    painter.setWorldTransform(callersWorld);
}

} // namespace vermil
