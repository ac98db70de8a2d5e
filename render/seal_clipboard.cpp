#include "render/seal_clipboard.h"

#include "render/picture_devices.h"
#include "render/seal_painter.h"

#include <QPainter>

#include <optional>
#include <string>

namespace vermil {

namespace {

// The screen grid runs from -1 to 101: the seal box is 100 of its 102 units.
constexpr double screenWindowPerSealBox = 102.0 / 100.0;

// Painting on the screen writes automatic sizes back; the clipboard pictures draw
// from a copy so that building them changes nothing.
PicturePainting screenPainting(const SealDrawingInput& input) {
    return [&input](QPainter& painter, QSize viewportSize) {
        SealDrawingInput copy = input;
        paintSealOnScreen(painter, viewportSize, copy);
    };
}

} // namespace

QImage sealClipboardBitmap(const SealDrawingInput& input) {
    QImage bitmap(clipboardBitmapSide, clipboardBitmapSide, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    screenPainting(input)(painter, bitmap.size());
    return bitmap;
}

std::unique_ptr<QMimeData> sealClipboardData(const SealDrawingInput& input, std::string_view sizeX,
                                             std::string_view sizeY, int dpi) {
    auto data = std::make_unique<QMimeData>();
    data->setImageData(sealClipboardBitmap(input));
    std::string error;
    const std::optional<SealSize> size = readSealSize(sizeX, sizeY, error);
    if (!size) {
        return data;
    }
    const QSizeF windowMillimetres = QSizeF(size->widthMm, size->heightMm) * screenWindowPerSealBox;
    if (pictureResolutionError(windowMillimetres, dpi).empty()) {
        const QImage print =
            rasterPicture(windowMillimetres, dpi, Qt::transparent, screenPainting(input));
        if (!print.isNull()) {
            data->setData(QStringLiteral("image/png"), pngBytes(print));
        }
    }
    data->setData(QStringLiteral("image/svg+xml"),
                  svgPicture(windowMillimetres, screenPainting(input)));
    return data;
}

} // namespace vermil
