#pragma once

#include "stamper/pdf/pdf_stamping.h"

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

namespace vermil::pdf {

inline constexpr double pointsPerMillimetre = 72.0 / 25.4;

// How a reader shows a page: the visible part of its user space (the crop box
// cut to the media box, both inherited where the page has none), turned
// clockwise by /Rotate, each user-space unit /UserUnit points.
struct PageGeometry {
    QPDFObjectHandle::Rectangle visible;
    int rotation = 0; // 0, 90, 180 or 270
    double userUnit = 1;

    PdfPageSize size() const;
};

PageGeometry pageGeometry(QPDFPageObjectHelper& page);

// True when a seal of w x h mm with its top-left corner at x, y mm lies on a
// visible page of `page` (a hair of rounding allowed at the edges).
bool sealFits(PdfPageSize page, double xMm, double yMm, double wMm, double hMm);

// The matrix that draws a form XObject with bounding box `formBox` upright at
// x, y mm (top-left, as the page is shown), w x h mm large, in the page's user
// space.
QPDFObjectHandle::Matrix sealPlacementMatrix(const PageGeometry& page,
                                             const QPDFObjectHandle::Rectangle& formBox, double xMm,
                                             double yMm, double wMm, double hMm);

} // namespace vermil::pdf
