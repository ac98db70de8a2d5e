#include "stamper/pdf/pdf_view_zoom.h"

#include "stamper/pdf/pdf_view_geometry.h"

#include <algorithm>
#include <cmath>

namespace vermil {

double PdfViewZoom::pixelsPerMm() const {
    return factor_ * screenPixelsPerMm;
}

double PdfViewZoom::floor() const {
    return std::min(minZoom, ceiling_);
}

void PdfViewZoom::set(double factor) {
    if (!std::isfinite(factor))
        return;
    factor_ = std::clamp(factor, floor(), ceiling_);
}

void PdfViewZoom::showPage(const PdfPageSize& page) {
    page_ = page;
    const double pixelsAtOne = page.widthMm * page.heightMm * screenPixelsPerMm * screenPixelsPerMm;
    ceiling_ =
        pixelsAtOne > 0 ? std::min(maxZoom, std::sqrt(maxPagePixels / pixelsAtOne)) : maxZoom;
    set(factor_);
}

void PdfViewZoom::fit(QSizeF viewport) {
    if (viewport.width() <= 0 || viewport.height() <= 0 || page_.widthMm <= 0 ||
        page_.heightMm <= 0)
        return;
    set(std::min(viewport.width() / (page_.widthMm * screenPixelsPerMm),
                 viewport.height() / (page_.heightMm * screenPixelsPerMm)));
}

} // namespace vermil
