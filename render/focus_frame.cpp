#include "render/focus_frame.h"

#include "render/glyph_atlas.h"

void DrawFocusFrame(HDC dc, RECT rect) {
    for (int i = 0; i < GlyphScale; ++i) {
        DrawFocusRect(dc, &rect);
        InflateRect(&rect, -1, -1);
    }
}
