#pragma once

#include <QSize>
#include <QSizeF>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vermil {

// Physical size of a seal, in whole millimetres, as the stamp keeps it (size X and
// size Y texts).
struct SealSize {
    int widthMm = 0;
    int heightMm = 0;

    bool operator==(const SealSize&) const = default;
};

inline constexpr int maxSealSizeMillimetres = 1000;
inline constexpr int defaultPictureDpi = 600;
inline constexpr int minPictureDpi = 10;
inline constexpr int maxPictureDpi = 9600;
inline constexpr int maxPictureSidePixels = 20000;
inline constexpr std::int64_t maxPicturePixels = 64'000'000;

// The seal size from the stamp's size texts (decimal numbers, as the stamp holds
// them). nullopt, with a message in `error`, when a size is not a whole number from
// 1 to maxSealSizeMillimetres.
std::optional<SealSize> readSealSize(std::string_view sizeX, std::string_view sizeY,
                                     std::string& error);

// Pixels of a raster picture of `millimetres` at `dpi`, at least one per side.
QSize picturePixels(QSizeF millimetres, int dpi);

// Empty when a raster picture of `millimetres` at `dpi` can be made; else the reason.
std::string pictureResolutionError(QSizeF millimetres, int dpi);

} // namespace vermil
