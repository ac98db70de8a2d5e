#include "render/seal_layout.h"

#include "common/number_text.h"
#include "common/tag_text.h"

#include <array>
#include <string>

namespace vermil {

namespace {

// A figure value replaces its default only when its element holds text.
void readFigureValue(std::string_view figureText, std::string_view name, int& value) {
    const std::string text = tagText(figureText, name);
    if (!text.empty()) {
        value = decimalPrefix(text);
    }
}

void readFigure(std::string_view shapeText, std::string_view name, SealFigure& figure) {
    const std::string figureText = tagText(shapeText, name);
    readFigureValue(figureText, "X1", figure.x1);
    readFigureValue(figureText, "Y1", figure.y1);
    readFigureValue(figureText, "X2", figure.x2);
    readFigureValue(figureText, "Y2", figure.y2);
    readFigureValue(tagText(figureText, "Pen"), "Width", figure.width);
}

// Anchors are always read: a missing X or Y, or a missing text line, gives 0.
SealAnchor readAnchor(std::string_view profileText, std::string_view name) {
    const std::string lineText = tagText(profileText, name);
    return {decimalPrefix(tagText(lineText, "X")), decimalPrefix(tagText(lineText, "Y"))};
}

} // namespace

SealLayout ReadSealLayout(std::string_view profileText, int penWidth) {
    SealLayout layout;
    layout.outerRing.width = penWidth;
    layout.bandLine1.width = penWidth;
    layout.bandLine2.width = penWidth;
    if (profileText.empty()) {
        return layout;
    }
    const std::string shapeText = tagText(profileText, "Shape");
    readFigure(shapeText, "Arc", layout.outerRing);
    readFigure(shapeText, "Arc2", layout.innerRing);
    readFigure(shapeText, "Line1", layout.bandLine1);
    readFigure(shapeText, "Line2", layout.bandLine2);
    readFigure(shapeText, "Line3", layout.bandLine3);
    readFigure(shapeText, "Line4", layout.bandLine4);
    layout.upperText2 = readAnchor(profileText, "Up2");
    layout.upperText1 = readAnchor(profileText, "Up1");
    layout.sealDate = readAnchor(profileText, "Date");
    layout.lowerText = readAnchor(profileText, "Low1");
    return layout;
}

int AutoTextSize(std::ptrdiff_t byteLength) {
    // Sizes for 1 to 21 bytes; 22 bytes and more all get 3.
    static constexpr std::array<int, 21> sizeByLength{24, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13,
                                                      12, 12, 11, 10, 9,  8,  7,  6,  5,  4};
    if (byteLength <= 0) {
        return 10;
    }
    if (byteLength > static_cast<std::ptrdiff_t>(sizeByLength.size())) {
        return 3;
    }
    return sizeByLength[static_cast<std::size_t>(byteLength - 1)];
}

} // namespace vermil
