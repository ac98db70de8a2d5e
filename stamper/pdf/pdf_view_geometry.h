#pragma once

#include "stamper/pdf/pdf_stamping.h"

#include <QPointF>
#include <QRectF>
#include <QSize>

namespace vermil {

// A screen shows about 96 pixels to the inch: at zoom 1 a page shows at its size.
inline constexpr double screenPixelsPerMm = 96.0 / 25.4;

struct SealSizeMm {
    double widthMm = 16;
    double heightMm = 16;
};

// The page of `size` drawn at `pixelsPerMm`: its pixels, at least one each way.
QSize pagePixels(const PdfPageSize& size, double pixelsPerMm);

// A pointer on a page image (pixels from its top-left corner) and page millimetres.
QPointF millimetresAt(QPointF pointer, double pixelsPerMm);
QPointF pixelsAt(double xMm, double yMm, double pixelsPerMm);

// Where a seal goes when its centre is under the pointer.
PdfPlacement placementUnder(QPointF pointer, int page, double pixelsPerMm, const SealSizeMm& seal);

// The seal's box at a placement, in pixels of the page image.
QRectF sealPixels(const PdfPlacement& at, double pixelsPerMm, const SealSizeMm& seal);

} // namespace vermil
