#include "render/seal_clipboard.h"

#include "render/picture_devices.h"
#include "render/seal_painter.h"

#include <QPainter>

#include <optional>
#include <string>

namespace vermil {

namespace {

// Painting on the screen writes automatic sizes back; the clipboard pictures draw
// from a copy so that building them changes nothing.
PicturePainting screenPainting(const SealDrawingInput& input) {
    return [&input](QPainter& painter, QSize viewportSize) {
        SealDrawingInput copy = input;
        paintSealOnScreen(painter, viewportSize, copy);
    };
}

PicturePainting screenSealPicture(const SealDrawingInput& input) {
    return [&input](QPainter& painter, QSize) { paintScreenSealPicture(painter, input); };
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
    const QSizeF millimetres(size->widthMm, size->heightMm);
    if (pictureResolutionError(millimetres, dpi).empty()) {
        const QImage print =
            rasterPicture(millimetres, dpi, Qt::transparent, screenSealPicture(input));
        if (!print.isNull()) {
            data->setData(QStringLiteral("image/png"), pngBytes(print));
        }
    }
    data->setData(QStringLiteral("image/svg+xml"),
                  svgPicture(millimetres, screenSealPicture(input)));
    return data;
}

} // namespace vermil
