#pragma once

#include "common/files/atomic_file.h"

#include <QRect>
#include <QSize>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QPainter;

namespace vermil {

class CVermilinDoc;

// How a container asks for a picture of the object.
enum class DrawAspect { Content, Thumbnail, Icon, DocPrint };

// The server item: what a container keeps of a stamp object. Its extent (the seal
// size), its native data and its picture, the seal drawn by the container's rules
// (the grey dotted outline while it has never been stamped). It keeps a reference
// to its document and nothing else.
class CVermilinSrvrItem {
public:
    explicit CVermilinSrvrItem(CVermilinDoc& document) : document_(document) {}

    // The content aspect: size X and size Y x 100, in 0.01 mm, and true. Any other
    // aspect, or a size text that is not a whole number of millimetres (by the
    // decimal-prefix rule: no digits, or below 0): 0 x 0 and false.
    bool getExtent(DrawAspect aspect, QSize& extent) const;

    // The document's native data, and the document rebuilt from it (throws
    // NativeDataError and then leaves the document as it was).
    std::string serialize();
    void deserialize(std::string_view nativeData);

    // Draws the seal over `target` (device units), as the container shows it.
    bool draw(QPainter& painter, const QRect& target) const;

    // The presentation pictures beside an object file: FILE.svg (the seal size in
    // millimetres) and FILE.png (at print resolution), made and flushed beside the
    // old ones and added to `prepared` for the caller to put in place. An empty
    // text on success, else what went wrong, naming the file.
    std::string preparePictures(const std::filesystem::path& objectFile,
                                std::vector<PreparedReplacement>& prepared) const;

private:
    CVermilinDoc& document_;
};

// FILE.svg and FILE.png beside an object file FILE.
std::filesystem::path svgPictureOf(const std::filesystem::path& objectFile);
std::filesystem::path pngPictureOf(const std::filesystem::path& objectFile);

} // namespace vermil
