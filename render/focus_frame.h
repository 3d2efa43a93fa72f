// The dotted focus frame of the drawn controls, as wide as the glyph scale:
// that many of the system's one-pixel focus rectangles, one inside the
// other. Drawn by inverting, so drawing it twice takes it away. Relies on
// GlyphScale (glyph_atlas).
#ifndef LQ_RENDER_FOCUS_FRAME_H
#define LQ_RENDER_FOCUS_FRAME_H

#include <windows.h>

// Draws the frame just inside rect.
void DrawFocusFrame(HDC dc, RECT rect);

#endif
