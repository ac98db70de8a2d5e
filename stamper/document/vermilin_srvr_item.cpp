#include "stamper/document/vermilin_srvr_item.h"

#include "render/picture_size.h"
#include "render/seal_painter.h"
#include "render/stamp_picture.h"
#include "stamper/document/stamp_document.h"

#include <QPainter>

#include <cctype>
#include <optional>

namespace vermil {
namespace {

// Millimetres of a size text by the decimal-prefix rule; nullopt when it has no
// digits or is negative.
std::optional<int> sizeMillimetres(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    std::size_t digits = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits)
        if (value <= 1'000'000)
            value = value * 10 + (text[i] - '0');
    if (digits == 0 || (negative && value != 0) || value > 1'000'000)
        return std::nullopt;
    return static_cast<int>(value);
}

std::filesystem::path withSuffix(const std::filesystem::path& file, const char* suffix) {
    std::filesystem::path picture = file;
    picture += suffix;
    return picture;
}

} // namespace

bool CVermilinSrvrItem::getExtent(DrawAspect aspect, QSize& extent) const {
    extent = QSize(0, 0);
    if (aspect != DrawAspect::Content)
        return false;
    const auto width = sizeMillimetres(document_.stamp().sizeX);
    const auto height = sizeMillimetres(document_.stamp().sizeY);
    if (!width || !height)
        return false;
    extent = QSize(*width * 100, *height * 100);
    return true;
}

std::string CVermilinSrvrItem::serialize() {
    return document_.saveNativeData();
}

void CVermilinSrvrItem::deserialize(std::string_view nativeData) {
    document_.loadNativeData(nativeData);
}

bool CVermilinSrvrItem::draw(QPainter& painter, const QRect& target) const {
    painter.save();
    painter.setViewport(target);
    painter.setWindow(0, 0, target.width(), target.height());
    paintSealInContainer(painter, document_.stamp().drawing);
    painter.restore();
    return true;
}

std::string CVermilinSrvrItem::preparePictures(const std::filesystem::path& objectFile,
                                               std::vector<PreparedReplacement>& prepared) const {
    const StampRecord& stamp = document_.stamp();
    for (const auto& picture : {svgPictureOf(objectFile), pngPictureOf(objectFile)}) {
        std::string problem;
        const std::optional<QByteArray> bytes = stampPictureBytes(
            stamp.drawing, stamp.sizeX, stamp.sizeY, picture, defaultPictureDpi, problem);
        if (!bytes)
            return problem;
        std::error_code error;
        std::optional<PreparedReplacement> made = PreparedReplacement::prepare(
            picture, std::string_view(bytes->constData(), bytes->size()), error);
        if (!made)
            return pictureWriteProblem(picture, error);
        prepared.push_back(std::move(*made));
    }
    return {};
}

std::filesystem::path svgPictureOf(const std::filesystem::path& objectFile) {
    return withSuffix(objectFile, ".svg");
}

std::filesystem::path pngPictureOf(const std::filesystem::path& objectFile) {
    return withSuffix(objectFile, ".png");
}

} // namespace vermil
