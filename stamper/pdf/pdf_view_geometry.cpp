#include "stamper/pdf/pdf_view_geometry.h"

#include <algorithm>
#include <cmath>

namespace vermil {

QSize pagePixels(const PdfPageSize& size, double pixelsPerMm) {
    const auto along = [pixelsPerMm](double mm) {
        return std::max(1, static_cast<int>(std::lround(mm * pixelsPerMm)));
    };
    return QSize(along(size.widthMm), along(size.heightMm));
}

QPointF millimetresAt(QPointF pointer, double pixelsPerMm) {
    return pointer / pixelsPerMm;
}

QPointF pixelsAt(double xMm, double yMm, double pixelsPerMm) {
    return QPointF(xMm, yMm) * pixelsPerMm;
}

PdfPlacement placementUnder(QPointF pointer, int page, double pixelsPerMm, const SealSizeMm& seal) {
    const QPointF centre = millimetresAt(pointer, pixelsPerMm);
    return {page, centre.x() - seal.widthMm / 2, centre.y() - seal.heightMm / 2};
}

QRectF sealPixels(const PdfPlacement& at, double pixelsPerMm, const SealSizeMm& seal) {
    return QRectF(pixelsAt(at.xMm, at.yMm, pixelsPerMm),
                  QSizeF(seal.widthMm, seal.heightMm) * pixelsPerMm);
}

} // namespace vermil
