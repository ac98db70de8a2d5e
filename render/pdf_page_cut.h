#pragma once

#include <QByteArray>
#include <QSizeF>

namespace vermil {

// Qt's PDF writer keeps a page's size in whole points. Gives the one page of `pdf` the
// size `points` (width and height in points, at most the page's own), cut from the
// page's top-left corner: the MediaBox becomes [0 0 width height] and the content moves
// down by the height taken away, so that what was drawn at the top-left stays there.
// Empty when `pdf` cannot be read or does not have exactly one page.
QByteArray cutPdfPageFromTopLeft(const QByteArray& pdf, QSizeF points);

} // namespace vermil
