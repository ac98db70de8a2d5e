#include "render/stamp_picture.h"

#include "render/picture_devices.h"
#include "render/seal_painter.h"

#include <QFile>
#include <QPainter>
#include <QSaveFile>

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

std::string saveWhole(const std::filesystem::path& file, const QByteArray& bytes) {
    QSaveFile saveFile(QFile::decodeName(QByteArray::fromStdString(file.string())));
    if (!saveFile.open(QIODevice::WriteOnly) || saveFile.write(bytes) != bytes.size() ||
        !saveFile.commit()) {
        return "cannot write " + displayName(file) + ": " + saveFile.errorString().toStdString();
    }
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
        return "cannot tell the picture type of " + displayName(out) +
               ": name it .svg, .png or .pdf";
    }
    std::string error;
    const std::optional<SealSize> size = readSealSize(sizeX, sizeY, error);
    if (!size) {
        return error;
    }
    return extension == ".png" ? pictureResolutionError(millimetres(*size), dpi) : std::string();
}

std::string writeStampPicture(const SealDrawingInput& input, std::string_view sizeX,
                              std::string_view sizeY, const std::filesystem::path& out, int dpi) {
    if (std::string problem = stampPictureProblem(sizeX, sizeY, out, dpi); !problem.empty()) {
        return problem;
    }
    std::string error;
    const SealSize size = *readSealSize(sizeX, sizeY, error);
    const std::string extension = lowerCaseExtension(out);
    if (extension == ".svg") {
        return saveWhole(out, containerPictureSvg(input, size));
    }
    if (extension == ".pdf") {
        const QByteArray pdf = containerPicturePdf(input, size);
        if (pdf.isEmpty()) {
            return "cannot cut the PDF page of " + displayName(out) + " to the seal size";
        }
        return saveWhole(out, pdf);
    }
    const QImage image = containerPictureImage(input, size, dpi);
    if (image.isNull()) {
        return "not enough memory for a picture of " + std::to_string(dpi) + " dpi";
    }
    return saveWhole(out, pngBytes(image));
}

} // namespace vermil
