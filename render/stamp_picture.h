#pragma once

#include "render/picture_size.h"
#include "render/seal_drawing_input.h"

#include <QByteArray>
#include <QImage>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vermil {

// Pictures of a stamp as the container keeps it: the seal drawn over its real
// size, the grey dotted outline for a stamp that has not been made yet. The picture
// is the seal size and holds the seal's whole ink: the outer edge of the ring's pen
// lies on the picture's edges.

// SVG: width and height are the seal size in millimetres, view box 0 0 100 100
// stretched over both (preserveAspectRatio="none").
// Texts are glyph outlines, so the picture shows the same without the fonts.
QByteArray containerPictureSvg(const SealDrawingInput& input, SealSize size);

// Raster picture at `dpi` on a transparent background, its resolution recorded in
// the image. Null when pictureResolutionError refuses the size and resolution.
QImage containerPictureImage(const SealDrawingInput& input, SealSize size,
                             int dpi = defaultPictureDpi);

// PDF of one page exactly the seal size; empty in the unlikely case that the page
// cannot be cut to that size.
QByteArray containerPicturePdf(const SealDrawingInput& input, SealSize size);

// Writes the container picture of a stamp to `out`, the kind chosen by its
// extension: .svg, .png (at `dpi`, transparent) or .pdf (any letter case).
// `sizeX` and `sizeY` are the stamp's seal size texts in millimetres. The file is
// replaced as a whole or left as it was. Returns an empty text on success, else a
// message naming the problem, fit for the terminal (UTF-8).
//
//     if (const std::string error = writeStampPicture(input, sizeX, sizeY, "seal.png", 600);
//         !error.empty()) { report(error); }
std::string writeStampPicture(const SealDrawingInput& input, std::string_view sizeX,
                              std::string_view sizeY, const std::filesystem::path& out,
                              int dpi = defaultPictureDpi);

// The picture writeStampPicture would write to `out`, made in memory; nullopt
// with the message in `error` (the problems of stampPictureProblem among them).
std::optional<QByteArray> stampPictureBytes(const SealDrawingInput& input, std::string_view sizeX,
                                            std::string_view sizeY,
                                            const std::filesystem::path& out, int dpi,
                                            std::string& error);

// The message for a picture that could not be written to `out` for `error`.
std::string pictureWriteProblem(const std::filesystem::path& out, std::error_code error);

// Why writeStampPicture would make no picture of that name, seal size and
// resolution, found without drawing or writing anything; empty when it would.
// Left to fail then: only the writing itself.
std::string stampPictureProblem(std::string_view sizeX, std::string_view sizeY,
                                const std::filesystem::path& out, int dpi = defaultPictureDpi);

} // namespace vermil
