#pragma once

#include "render/seal_drawing_input.h"

#include <QColor>
#include <QRectF>
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

// The automatic sizes the screen would write back, without painting: for a stamp
// that is saved before its first paint, so the file holds what the screen shows.
void settleAutomaticSizes(SealDrawingInput& input);

// The container's picture: the seal fills the painter's current viewport, which the
// caller sets from the picture's extent (the seal size), with all of the frame's ink
// inside it: sealPictureGrid fills the viewport, so that the outer edge of the ring's
// pen, not its middle, meets the viewport's edges. When upper text 1, upper text 2 and the lower
// text are all empty (a stamp not made yet) a grey dotted outline is drawn instead of the seal.
// Nothing is written back; the painter's world transform is left as it was.
// `hairlineWidth` is the width in device pixels of that dotted outline; 0 draws the
// device's thinnest line.
void paintSealInContainer(QPainter& painter, const SealDrawingInput& input,
                          double hairlineWidth = 0);

// The part of the seal grid that a picture shows: the seal box grown on every side by
// as far as the frame's ink reaches beyond it, (-1, -1) to (101, 101) for a ring on
// the box edge with a pen of 2; the box itself when the frame stays inside.
QRectF sealPictureGrid(const SealDrawingInput& input);

// What the screen shows, as a picture of the seal alone (the clipboard's print
// pictures): drawn by the screen's rules (empty upper and lower texts skipped, no
// dotted outline), mapped onto the viewport as paintSealInContainer maps it. Nothing
// is written back.
void paintScreenSealPicture(QPainter& painter, const SealDrawingInput& input);

// The colour of a stored 0x00BBGGRR value.
QColor sealColour(std::uint32_t colourValue);

// Character height of the seal date text when its size is automatic.
inline constexpr int automaticDateTextSize = 18;

// A frame reaching further beyond the seal box than this many grid units (half the
// widest pen a stamp keeps) is cut in pictures rather than shrinking the seal away.
inline constexpr double maxFrameOverhang = 50;

// Character heights beyond this many grid units (either sign) are drawn at this
// height: such a text covers the whole seal many times over already.
inline constexpr int maxSealTextSize = 1000;

} // namespace vermil
