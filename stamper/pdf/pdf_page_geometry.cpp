#include "stamper/pdf/pdf_page_geometry.h"

#include <algorithm>
#include <cmath>

namespace vermil::pdf {
namespace {

constexpr double edgeToleranceMm = 0.01;

QPDFObjectHandle::Rectangle normalized(const QPDFObjectHandle::Rectangle& r) {
    return {std::min(r.llx, r.urx), std::min(r.lly, r.ury), std::max(r.llx, r.urx),
            std::max(r.lly, r.ury)};
}

QPDFObjectHandle::Rectangle rectangleOf(QPDFObjectHandle box) {
    if (!box.isRectangle())
        return {0, 0, 0, 0};
    return normalized(box.getArrayAsRectangle());
}

// Readers clip the crop box to the media box.
QPDFObjectHandle::Rectangle intersection(const QPDFObjectHandle::Rectangle& a,
                                         const QPDFObjectHandle::Rectangle& b) {
    const QPDFObjectHandle::Rectangle r{std::max(a.llx, b.llx), std::max(a.lly, b.lly),
                                        std::min(a.urx, b.urx), std::min(a.ury, b.ury)};
    if (r.llx >= r.urx || r.lly >= r.ury)
        return {0, 0, 0, 0};
    return r;
}

// Readers ignore a /Rotate that is not a multiple of 90.
int rotationOf(QPDFObjectHandle rotate) {
    if (!rotate.isInteger())
        return 0;
    const long long degrees = ((rotate.getIntValue() % 360) + 360) % 360;
    return degrees % 90 == 0 ? static_cast<int>(degrees) : 0;
}

double userUnitOf(QPDFObjectHandle unit) {
    if (!unit.isNumber())
        return 1;
    const double value = unit.getNumericValue();
    return std::isfinite(value) && value > 0 ? value : 1;
}

} // namespace

PdfPageSize PageGeometry::size() const {
    const double toMm = userUnit / pointsPerMillimetre;
    const double width = (visible.urx - visible.llx) * toMm;
    const double height = (visible.ury - visible.lly) * toMm;
    if (rotation == 90 || rotation == 270)
        return {height, width};
    return {width, height};
}

PageGeometry pageGeometry(QPDFPageObjectHelper& page) {
    PageGeometry geometry;
    const QPDFObjectHandle::Rectangle media = rectangleOf(page.getMediaBox());
    geometry.visible = intersection(rectangleOf(page.getCropBox()), media);
    geometry.rotation = rotationOf(page.getAttribute("/Rotate", false));
    geometry.userUnit = userUnitOf(page.getObjectHandle().getKey("/UserUnit"));
    return geometry;
}

bool sealFits(PdfPageSize page, double xMm, double yMm, double wMm, double hMm) {
    const double values[] = {xMm, yMm, wMm, hMm};
    if (!std::all_of(std::begin(values), std::end(values),
                     [](double v) { return std::isfinite(v); }))
        return false;
    return xMm >= -edgeToleranceMm && yMm >= -edgeToleranceMm &&
           xMm + wMm <= page.widthMm + edgeToleranceMm &&
           yMm + hMm <= page.heightMm + edgeToleranceMm;
}

QPDFObjectHandle::Matrix sealPlacementMatrix(const PageGeometry& page,
                                             const QPDFObjectHandle::Rectangle& formBox, double xMm,
                                             double yMm, double wMm, double hMm) {
    const double units = pointsPerMillimetre / page.userUnit;
    const double x = xMm * units, y = yMm * units, w = wMm * units, h = hMm * units;
    const QPDFObjectHandle::Rectangle& v = page.visible;

    // Seal space: (0, 0) at the seal's lower-left corner, w x h user units, y up,
    // as the seal stands on the shown page. Each rotation maps it into user space
    // so that the shown top-left corner of the seal lands at x, y of the shown page.
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    switch (page.rotation) {
    case 90:
        a = 0, b = 1, c = -1, d = 0, e = v.llx + y + h, f = v.lly + x;
        break;
    case 180:
        a = -1, b = 0, c = 0, d = -1, e = v.urx - x, f = v.lly + y + h;
        break;
    case 270:
        a = 0, b = -1, c = 1, d = 0, e = v.urx - y - h, f = v.ury - x;
        break;
    default:
        e = v.llx + x, f = v.ury - y - h;
        break;
    }

    // The form's box stretched over the seal space.
    const QPDFObjectHandle::Rectangle box = normalized(formBox);
    const double boxWidth = box.urx - box.llx, boxHeight = box.ury - box.lly;
    const double sx = boxWidth > 0 ? w / boxWidth : 1;
    const double sy = boxHeight > 0 ? h / boxHeight : 1;
    const double tx = -box.llx * sx, ty = -box.lly * sy;
    return {a * sx, b * sx, c * sy, d * sy, a * tx + c * ty + e, b * tx + d * ty + f};
}

} // namespace vermil::pdf
