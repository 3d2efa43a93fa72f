// Measuring and drawing MixedText: single bytes in the drawing context's
// current font, two-byte codes as cells of the GlyphAtlas, each drawn as
// GlyphScale x GlyphScale blocks of its 16 x 16 pixels. Relies on the
// GlyphAtlas and GlyphScale set at start-up; keeps nothing between calls.
#ifndef LQ_RENDER_MIXED_TEXT_H
#define LQ_RENDER_MIXED_TEXT_H

#include <windows.h>

// Width and height (16 times GlyphScale) of text in dc's current font and
// the atlas.
SIZE MeasureMixedText(HDC dc, const char* text);

// Draws text with its top-left corner at (x, y); returns the advance and the
// height. dc's background mode is restored before it returns.
SIZE DrawMixedText(HDC dc, int x, int y, const char* text);

#endif
