#include "render/picture_devices.h"

#include "render/pdf_page_cut.h"
#include "render/picture_size.h"
#include "render/seal_picture_texts.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace vermil {

namespace {

// SVG device units per millimetre: whole-millimetre sizes come out exact ("16mm").
constexpr int svgUnitsPerMillimetre = 100;
constexpr int svgResolution = svgUnitsPerMillimetre * 254 / 10; // dots per inch
constexpr int svgViewBoxSide = 100;
constexpr int pdfResolution = 1200;
constexpr double pdfPixelsPerPoint = pdfResolution / 72.0;
constexpr double metresPerInch = 0.0254;
constexpr double pointsPerMillimetre = 72 / 25.4;

// Qt writes no preserveAspectRatio, so viewers fit the square view box into the
// picture as a centred square (an oval seal became a circle). "none" stretches it over
// the whole width and height, as the raster pictures are drawn.
void stretchViewBoxOverTheSize(QByteArray& document) {
    const QByteArray root("<svg");
    const qsizetype at = document.indexOf(root);
    if (at >= 0) {
        document.insert(at + root.size(), " preserveAspectRatio=\"none\"");
    }
}

} // namespace

QByteArray svgPicture(QSizeF millimetres, const PicturePainting& paint) {
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(svgResolution);
    generator.setSize(
        QSize(static_cast<int>(std::lround(millimetres.width() * svgUnitsPerMillimetre)),
              static_cast<int>(std::lround(millimetres.height() * svgUnitsPerMillimetre))));
    generator.setViewBox(QRect(0, 0, svgViewBoxSide, svgViewBoxSide));
    generator.setTitle(SealPictureTexts::of(Language::English).pictureTitle);
    {
        // The generator's device units are its size, but the document's drawing
        // coordinates are those of the view box.
        QPainter painter(&generator);
        painter.setViewport(0, 0, svgViewBoxSide, svgViewBoxSide);
        paint(painter, QSize(svgViewBoxSide, svgViewBoxSide));
    }
    stretchViewBoxOverTheSize(document);
    return document;
}

QImage rasterPicture(QSizeF millimetres, int dpi, const QColor& background,
                     const PicturePainting& paint) {
    QImage image(picturePixels(millimetres, dpi), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / metresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(background);
    {
        QPainter painter(&image);
        paint(painter, image.size());
    }
    return image;
}

QByteArray pdfPicture(QSizeF millimetres, const PicturePainting& paint) {
    // Qt keeps the page in whole points: draw the picture at its exact size on a page
    // at least as large, then cut the page to the picture.
    const QSizeF points = millimetres * pointsPerMillimetre;
    const QSizeF wholePoints(std::ceil(points.width()), std::ceil(points.height()));
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(pdfResolution);
        writer.setCreator(QStringLiteral("Vermil"));
        writer.setTitle(SealPictureTexts::of(Language::English).pictureTitle);
        writer.setPageLayout(
            QPageLayout(QPageSize(wholePoints, QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        const QSize viewport(static_cast<int>(std::lround(points.width() * pdfPixelsPerPoint)),
                             static_cast<int>(std::lround(points.height() * pdfPixelsPerPoint)));
        QPainter painter(&writer);
        painter.setViewport(QRect(QPoint(0, 0), viewport));
        paint(painter, viewport);
    }
    return cutPdfPageFromTopLeft(document, points);
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace vermil
