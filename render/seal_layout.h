#pragma once

#include <cstddef>
#include <string_view>

namespace vermil {

// Seal geometry on the 100 x 100 grid laid over the seal's bounding box: 0 is the
// left or top edge, 100 the right or bottom edge, y grows downwards. Widths are in
// grid units; a width of 0 or less means the figure is not drawn.

// A ring (the two points are opposite corners of the ellipse's bounding rectangle)
// or a band line (the two points are its ends).
struct SealFigure {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int width = 0;

    bool operator==(const SealFigure&) const = default;
};

// Where a text line is anchored; the alignment belongs to the line.
struct SealAnchor {
    int x = 0;
    int y = 0;

    bool operator==(const SealAnchor&) const = default;
};

inline constexpr int defaultSealPenWidth = 2;

struct SealLayout {
    SealFigure outerRing{0, 0, 100, 100, defaultSealPenWidth};
    SealFigure innerRing{4, 4, 96, 96, 0};
    SealFigure bandLine1{5, 34, 95, 34, defaultSealPenWidth};
    SealFigure bandLine2{5, 66, 95, 66, defaultSealPenWidth};
    SealFigure bandLine3{5, 31, 95, 31, 0};
    SealFigure bandLine4{5, 68, 95, 68, 0};
    SealAnchor upperText2{50, 20};
    SealAnchor upperText1{50, 32};
    SealAnchor sealDate{50, 57};
    SealAnchor lowerText{50, 70};

    bool operator==(const SealLayout&) const = default;
};

// The layout of a seal from the content of its layout profile's Profile element.
// `penWidth` is the default width of the outer ring and band lines 1 and 2. A
// figure value replaces its default only when its element holds text; the text
// anchors of a non-empty profile are always read, a missing one giving 0. An
// empty profile gives the built-in layout.
SealLayout ReadSealLayout(std::string_view profileText, int penWidth);

// Character height, in grid units, of a text that is sized automatically from its
// length in CP932 bytes: the longer the text, the smaller; 10 for an empty text.
int AutoTextSize(std::ptrdiff_t byteLength);

} // namespace vermil
