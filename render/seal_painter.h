#pragma once

#include "render/seal_drawing_input.h"

#include <QColor>
#include <QSize>

#include <cstdint>

class QPainter;

namespace vermil {

// Draws a date seal: outer ring, band lines and the four texts, laid out by the
// seal's layout profile on a 100 x 100 grid. Lines and texts are in the seal colour,
// pen widths and character heights in grid units, the background is left as it is.
// Texts are drawn as glyph outlines, so vector pictures need no fonts to show them.
// Nothing is kept between calls: the profile is read again on every call.
//
// The painter's window, viewport, pen, brush and background mode are left as the
// drawing set them; save() and restore() around the call if that matters.

// The screen: the grid from -1 to 101 fills a client area of `clientSize` pixels
// (the seal stretched to the area's proportions, with a margin of 1/102 of the size
// on every side). Empty upper and lower texts are skipped. Sizes chosen
// automatically are written back into `input` as decimal text, so that later
// drawings and the saved stamp hold them.
void paintSealOnScreen(QPainter& painter, QSize clientSize, SealDrawingInput& input);

// The container's picture: the grid from 0 to 100 fills the painter's current
// viewport, which the caller sets from the picture's extent. When upper text 1, upper
// text 2 and the lower text are all empty (a stamp not made yet) a grey dotted
// outline is drawn instead of the seal. Nothing is written back.
// `hairlineWidth` is the width in device pixels of that dotted outline; 0 draws the
// device's thinnest line.
void paintSealInContainer(QPainter& painter, const SealDrawingInput& input,
                          double hairlineWidth = 0);

// The colour of a stored 0x00BBGGRR value.
QColor sealColour(std::uint32_t colourValue);

// Character height of the seal date text when its size is automatic.
inline constexpr int automaticDateTextSize = 18;

// Character heights beyond this many grid units (either sign) are drawn at this
// height: such a text covers the whole seal many times over already.
inline constexpr int maxSealTextSize = 1000;

} // namespace vermil
