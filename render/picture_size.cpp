#include "render/picture_size.h"

#include "render/seal_picture_texts.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace vermil {

namespace {

constexpr double millimetresPerInch = 25.4;

bool readOneSize(std::string_view text, std::string_view axis, int& millimetres,
                 std::string& error) {
    millimetres = decimalPrefix(text);
    if (millimetres >= 1 && millimetres <= maxSealSizeMillimetres) {
        return true;
    }
    error = fillPlaceholders(SealPictureCaptions::sizeOutOfRange.english,
                             {axis, text, std::to_string(maxSealSizeMillimetres)});
    return false;
}

double pixelsAlong(double millimetres, int dpi) {
    return std::max(1.0, std::round(millimetres * dpi / millimetresPerInch));
}

} // namespace

std::optional<SealSize> readSealSize(std::string_view sizeX, std::string_view sizeY,
                                     std::string& error) {
    SealSize size;
    if (!readOneSize(sizeX, SealPictureCaptions::width.english, size.widthMm, error) ||
        !readOneSize(sizeY, SealPictureCaptions::height.english, size.heightMm, error)) {
        return std::nullopt;
    }
    return size;
}

QSize picturePixels(QSizeF millimetres, int dpi) {
    const double width =
        std::min(pixelsAlong(millimetres.width(), dpi), double(maxPictureSidePixels));
    const double height =
        std::min(pixelsAlong(millimetres.height(), dpi), double(maxPictureSidePixels));
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

std::string pictureResolutionError(QSizeF millimetres, int dpi) {
    if (dpi < minPictureDpi || dpi > maxPictureDpi) {
        return fillPlaceholders(
            SealPictureCaptions::resolutionOutOfRange.english,
            {std::to_string(dpi), std::to_string(minPictureDpi), std::to_string(maxPictureDpi)});
    }
    const double width = pixelsAlong(millimetres.width(), dpi);
    const double height = pixelsAlong(millimetres.height(), dpi);
    if (width > maxPictureSidePixels || height > maxPictureSidePixels ||
        width * height > double(maxPicturePixels)) {
        return fillPlaceholders(SealPictureCaptions::pictureTooLarge.english,
                                {std::to_string(static_cast<long long>(width)),
                                 std::to_string(static_cast<long long>(height))});
    }
    return {};
}

} // namespace vermil
