#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QSizeF>

#include <functional>

class QPainter;

namespace vermil {

// Draws a picture onto a painter whose viewport covers the whole picture; the size
// is that of the viewport in device units.
using PicturePainting = std::function<void(QPainter& painter, QSize viewportSize)>;

// An SVG document of the given physical size (width and height in millimetres)
// whose view box, 0 0 100 100, is the viewport handed to `paint`, stretched over the
// whole size (preserveAspectRatio="none").
QByteArray svgPicture(QSizeF millimetres, const PicturePainting& paint);

// A raster picture of the given physical size at `dpi`, filled with `background`
// (transparent for Qt::transparent) before `paint` draws. The caller checks the
// size first with pictureResolutionError.
QImage rasterPicture(QSizeF millimetres, int dpi, const QColor& background,
                     const PicturePainting& paint);

// A one-page PDF whose page has exactly the given physical size; the viewport handed
// to `paint` covers the page. Empty when the page could not be cut to size.
QByteArray pdfPicture(QSizeF millimetres, const PicturePainting& paint);

QByteArray pngBytes(const QImage& image);

} // namespace vermil
