#include "render/mixed_text.h"

#include "render/glyph_atlas.h"
#include "render/glyph_locate.h"
#include "render/mixed_text_walk.h"

namespace {

int SingleByteWidth(void* context, char byte, int* width) {
    SIZE extent;
    if (!GetTextExtentPointA(static_cast<HDC>(context), &byte, 1, &extent)) return 0;
    *width = extent.cx;
    return 1;
}

// Ink takes the text colour; paper, in the background colour, is ANDed in and
// so leaves a white-backed face as it was. Enlarged by a whole factor, each
// atlas pixel becomes a square block: the glyph stays sharp.
int DrawGlyph(HDC dc, int x, int y, unsigned code) {
    int sourceX = 0, sourceY = 0, strip = 0;
    LocateGlyph(code, &sourceX, &sourceY, &strip);
    const int size = kGlyphSize * GlyphScale;
    if (GlyphScale == 1)
        BitBlt(dc, x, y, size, size, GlyphAtlas[strip].dc, sourceX, sourceY, SRCAND);
    else
        StretchBlt(dc, x, y, size, size, GlyphAtlas[strip].dc, sourceX, sourceY, kGlyphSize, kGlyphSize, SRCAND);
    return size;
}

int DrawSingleByte(HDC dc, int x, int y, char byte) {
    TextOutA(dc, x, y + kSingleByteDrop * GlyphScale, &byte, 1);
    int width = 0;
    SingleByteWidth(dc, byte, &width);
    return width;
}

}  // namespace

SIZE MeasureMixedText(HDC dc, const char* text) {
    SIZE size = {MeasureMixedWidth(text, SingleByteWidth, dc, kGlyphSize * GlyphScale),
                 kMixedTextHeight * GlyphScale};
    return size;
}

SIZE DrawMixedText(HDC dc, int x, int y, const char* text) {
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    int pen = x;
    for (MixedChar c = ReadMixedChar(text); c.byteCount; c = ReadMixedChar(text)) {
        pen += c.isGlyph ? DrawGlyph(dc, pen, y, c.code) : DrawSingleByte(dc, pen, y, *text);
        text += c.byteCount;
    }
    SetBkMode(dc, previousMode);
    SIZE size = {pen - x, kMixedTextHeight * GlyphScale};
    return size;
}
