#pragma once

// Looks at rendered seals the way a person would: where there is ink, of which
// colour, and where the ink of a region begins and ends, in seal grid units.

#include "render/seal_drawing_input.h"
#include "render/seal_painter.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <cmath>
#include <optional>

namespace vermil::test {

// A picture with the mapping from seal grid units to its pixels.
struct SealImage {
    QImage image; // Format_ARGB32, not premultiplied
    double originX = 0;
    double originY = 0;
    double unitX = 1;
    double unitY = 1;

    QPoint pixelAt(double gridX, double gridY) const {
        return QPoint(static_cast<int>(std::floor(originX + gridX * unitX)),
                      static_cast<int>(std::floor(originY + gridY * unitY)));
    }

    // Ink: a pixel at least half covered.
    bool inkAt(double gridX, double gridY) const {
        const QPoint p = pixelAt(gridX, gridY);
        return image.valid(p) && qAlpha(image.pixel(p)) >= 128;
    }

    // Bounds of all ink inside `gridRegion` (the whole picture when empty), in grid
    // units; nullopt when there is none.
    std::optional<QRectF> inkBounds(QRectF gridRegion = {}) const {
        QRect pixels = image.rect();
        if (!gridRegion.isEmpty()) {
            const QPoint topLeft = pixelAt(gridRegion.left(), gridRegion.top());
            const QPoint bottomRight = pixelAt(gridRegion.right(), gridRegion.bottom());
            pixels = QRect(topLeft, bottomRight).intersected(image.rect());
        }
        int left = pixels.right() + 1, right = -1, top = pixels.bottom() + 1, bottom = -1;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                if (qAlpha(image.pixel(x, y)) >= 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        if (right < 0) {
            return std::nullopt;
        }
        return QRectF(QPointF((left - originX) / unitX, (top - originY) / unitY),
                      QPointF((right + 1 - originX) / unitX, (bottom + 1 - originY) / unitY));
    }

    // Sum of coverage over the picture: how much ink there is.
    long long inkAmount() const {
        long long amount = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                amount += qAlpha(image.pixel(x, y));
            }
        }
        return amount;
    }
};

// Thickness of the outermost ink that the ray from the centre of `image` crosses at
// `degrees` (0 to the right, 90 downwards). The ray runs in fractions of the
// picture's width and height, and so does the result: on a ring over the whole
// picture it crosses the pen square on, however wide the picture is, so a whole ring
// is as thick at its four extreme points as elsewhere. 0 when the ray meets no ink.
inline double outermostInkThickness(const QImage& image, double degrees) {
    const double radians = degrees * 3.14159265358979323846 / 180;
    const double dx = std::cos(radians);
    const double dy = std::sin(radians);
    constexpr double step = 0.0002;
    double thickness = 0;
    for (double t = 0.75; t > 0.2; t -= step) {
        const QPoint p(static_cast<int>(std::floor((0.5 + t * dx) * image.width())),
                       static_cast<int>(std::floor((0.5 + t * dy) * image.height())));
        if (image.valid(p) && qAlpha(image.pixel(p)) >= 128) {
            thickness += step;
        } else if (thickness > 0) {
            break;
        }
    }
    return thickness;
}

inline QImage transparentCanvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The screen drawing over a client area of `client` pixels.
inline SealImage renderOnScreen(SealDrawingInput& input, QSize client) {
    QImage image = transparentCanvas(client);
    {
        QPainter painter(&image);
        paintSealOnScreen(painter, client, input);
    }
    const double unitX = client.width() / 102.0;
    const double unitY = client.height() / 102.0;
    return {image.convertToFormat(QImage::Format_ARGB32), unitX, unitY, unitX, unitY};
}

// A picture that shows `grid` (sealPictureGrid) over the whole of `image`.
inline SealImage pictureOfGrid(const QImage& image, QRectF grid) {
    const double unitX = image.width() / grid.width();
    const double unitY = image.height() / grid.height();
    return {image.convertToFormat(QImage::Format_ARGB32), -grid.left() * unitX, -grid.top() * unitY,
            unitX, unitY};
}

// The container drawing over a viewport of `viewport` pixels.
inline SealImage renderInContainer(const SealDrawingInput& input, QSize viewport) {
    QImage image = transparentCanvas(viewport);
    {
        QPainter painter(&image);
        paintSealInContainer(painter, input);
    }
    return pictureOfGrid(image, sealPictureGrid(input));
}

} // namespace vermil::test
