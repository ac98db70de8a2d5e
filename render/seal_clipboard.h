#pragma once

#include "render/picture_size.h"
#include "render/seal_drawing_input.h"

#include <QImage>
#include <QMimeData>

#include <memory>
#include <string_view>

namespace vermil {

inline constexpr int clipboardBitmapSide = 100;

// The bitmap the screen copies to the clipboard: the whole seal window shrunk to
// 100 x 100 pixels, on the window's white.
QImage sealClipboardBitmap(const SealDrawingInput& input);

// What the screen puts on the clipboard after painting a seal whose copy flag is
// on: the 100 x 100 bitmap (as image data), plus "image/png" at `dpi` on a
// transparent background and "image/svg+xml", both what the screen shows of the seal
// at its real size (`sizeX` by `sizeY` millimetres, the ring's whole pen inside, as
// the container's pictures), so that a paste into an office document is sharp and
// the right size. When
// the sizes do not read as a seal size, only the bitmap is given; when the picture
// would be too large at `dpi`, the PNG is left out. The caller hands the result to
// the clipboard, which takes ownership:
//
//     QGuiApplication::clipboard()->setMimeData(sealClipboardData(in, x, y).release());
std::unique_ptr<QMimeData> sealClipboardData(const SealDrawingInput& input, std::string_view sizeX,
                                             std::string_view sizeY, int dpi = defaultPictureDpi);

} // namespace vermil
