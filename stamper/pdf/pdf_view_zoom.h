#pragma once

#include "stamper/pdf/pdf_stamping.h"

#include <QSizeF>

namespace vermil {

// The zoom of the page view: 1 shows a page at its size on the screen. Steps go
// by a quarter, between minZoom and maxZoom, and never so far that the image of
// the page shown would pass maxPagePixels: a huge page cannot make the view
// allocate gigabytes.
class PdfViewZoom {
public:
    static constexpr double minZoom = 0.1;
    static constexpr double maxZoom = 8.0;
    static constexpr double step = 1.25;
    static constexpr double maxPagePixels = 12'000'000;

    double factor() const { return factor_; }
    double pixelsPerMm() const;
    bool canZoomIn() const { return factor_ < ceiling_; }
    bool canZoomOut() const { return factor_ > floor(); }

    void zoomIn() { set(factor_ * step); }
    void zoomOut() { set(factor_ / step); }
    void set(double factor);
    // The page now shown; the zoom comes down when its image would be too large.
    void showPage(const PdfPageSize& page);
    // The whole page within `viewport` (pixels); an empty viewport changes nothing.
    void fit(QSizeF viewport);

private:
    double floor() const;

    double factor_ = 1;
    double ceiling_ = maxZoom;
    PdfPageSize page_;
};

} // namespace vermil
