// Geometry of an owner-drawn button: the lines of its 3-D bevel and outer
// edge in drawing order, where its caption goes, and the focus rectangle,
// all growing with the glyph scale (glyph_scale). Owns the pixel rules; the
// caller owns the pens and the drawing. Platform-free.
#ifndef LQ_RENDER_BEVEL_GEOMETRY_H
#define LQ_RENDER_BEVEL_GEOMETRY_H

#include "render/glyph_scale.h"

// A rectangle in pixels; right and bottom are exclusive.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
};

// The colour a line is drawn in: the system's button highlight or shadow
// colour, or black for the default-button frame.
enum BevelPen {
    kPenHighlight,
    kPenShadow,
    kPenBlack,
};

// One line from (x0, y0) to (x1, y1); as with GDI lines, the end point is
// not painted, so consecutive segments join without double pixels.
struct BevelSegment {
    BevelPen pen;
    int x0;
    int y0;
    int x1;
    int y1;
};

// Two rings of 4, then the 6-line default frame, each line as many times as
// the scale.
const int kMaxBevelSegments = 14 * kMaxGlyphScale;

struct BevelLines {
    BevelSegment segment[kMaxBevelSegments];
    int count;
};

// Two rings at insets 1 and 2, light top and left, dark right and bottom, then
// the outermost edge: a closed black frame for the default button, otherwise
// a dark bottom and right edge. Pressing swaps light and dark. At a scale
// above 1 every line is that many one-pixel lines side by side, inward.
BevelLines BevelLinesFor(PixelRect item, int pressed, int isDefault, int scale);

struct TextOrigin {
    int x;
    int y;
};

// Where a caption of the given size is drawn: at the left edge or centred
// across, always centred down; 2 right and 1 down when pressed, times the
// scale.
TextOrigin PlaceCaption(PixelRect item, int centred, int pressed, int textWidth, int textHeight, int scale);

// The item rectangle shrunk by a tenth of its width on the left and right and
// an eighth of its height at the top and bottom.
PixelRect ShrinkForFocus(PixelRect item);

#endif
