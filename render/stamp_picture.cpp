#include "render/stamp_picture.h"

#include "common/files/atomic_file.h"
#include "common/files/regular_file.h"

#include "render/picture_devices.h"
#include "render/seal_painter.h"
#include "render/seal_picture_texts.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cctype>

namespace vermil {

namespace {

// A dotted outline one screen pixel wide stays as visible at print resolution.
constexpr double screenDpi = 96;

QSizeF millimetres(SealSize size) {
    return QSizeF(size.widthMm, size.heightMm);
}

PicturePainting containerPainting(const SealDrawingInput& input, double hairlineWidth) {
    return [&input, hairlineWidth](QPainter& painter, QSize) {
        paintSealInContainer(painter, input, hairlineWidth);
    };
}

std::string lowerCaseExtension(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::string displayName(const std::filesystem::path& file) {
    return file.string();
}

// Written like every other output of the suite: whole or not at all, never over a
// device or a FIFO, keeping a link and the old file's owner and mode.
std::string saveWhole(const std::filesystem::path& file, const QByteArray& bytes) {
    std::error_code error;
    if (!writeFileAtomically(file, std::string_view(bytes.constData(), bytes.size()), error))
        return pictureWriteProblem(file, error);
    return {};
}

} // namespace

QByteArray containerPictureSvg(const SealDrawingInput& input, SealSize size) {
    return svgPicture(millimetres(size), containerPainting(input, 0));
}

QImage containerPictureImage(const SealDrawingInput& input, SealSize size, int dpi) {
    if (!pictureResolutionError(millimetres(size), dpi).empty()) {
        return {};
    }
    return rasterPicture(millimetres(size), dpi, Qt::transparent,
                         containerPainting(input, std::max(1.0, dpi / screenDpi)));
}

QByteArray containerPicturePdf(const SealDrawingInput& input, SealSize size) {
    return pdfPicture(millimetres(size), containerPainting(input, 0));
}

std::string stampPictureProblem(std::string_view sizeX, std::string_view sizeY,
                                const std::filesystem::path& out, int dpi) {
    const std::string extension = lowerCaseExtension(out);
    if (extension != ".svg" && extension != ".png" && extension != ".pdf") {
        return fillPlaceholders(SealPictureCaptions::unknownPictureType.english,
                                {displayName(out)});
    }
    if (const std::error_code kind = outputKindProblem(out)) {
        return fillPlaceholders(SealPictureCaptions::cannotWrite.english,
                                {displayName(out), kind.message()});
    }
    std::string error;
    const std::optional<SealSize> size = readSealSize(sizeX, sizeY, error);
    if (!size) {
        return error;
    }
    return extension == ".png" ? pictureResolutionError(millimetres(*size), dpi) : std::string();
}

std::optional<QByteArray> stampPictureBytes(const SealDrawingInput& input, std::string_view sizeX,
                                            std::string_view sizeY,
                                            const std::filesystem::path& out, int dpi,
                                            std::string& error) {
    if (error = stampPictureProblem(sizeX, sizeY, out, dpi); !error.empty()) {
        return std::nullopt;
    }
    const SealSize size = *readSealSize(sizeX, sizeY, error);
    const std::string extension = lowerCaseExtension(out);
    if (extension == ".svg") {
        return containerPictureSvg(input, size);
    }
    if (extension == ".pdf") {
        QByteArray pdf = containerPicturePdf(input, size);
        if (pdf.isEmpty()) {
            error =
                fillPlaceholders(SealPictureCaptions::cannotCutPdfPage.english, {displayName(out)});
            return std::nullopt;
        }
        return pdf;
    }
    const QImage image = containerPictureImage(input, size, dpi);
    if (image.isNull()) {
        error = fillPlaceholders(SealPictureCaptions::noMemoryForPicture.english,
                                 {std::to_string(dpi)});
        return std::nullopt;
    }
    return pngBytes(image);
}

std::string pictureWriteProblem(const std::filesystem::path& out, std::error_code error) {
    return fillPlaceholders(SealPictureCaptions::cannotWrite.english,
                            {displayName(out), error.message()});
}

std::string writeStampPicture(const SealDrawingInput& input, std::string_view sizeX,
                              std::string_view sizeY, const std::filesystem::path& out, int dpi) {
    std::string error;
    const std::optional<QByteArray> bytes = stampPictureBytes(input, sizeX, sizeY, out, dpi, error);
    return bytes ? saveWhole(out, *bytes) : error;
}

} // namespace vermil
