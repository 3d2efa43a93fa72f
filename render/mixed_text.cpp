#include "render/mixed_text.h"

#include "render/glyph_atlas.h"
#include "render/glyph_locate.h"
#include "render/mixed_text_walk.h"

namespace {

// Single bytes sit one pixel lower than the glyph cells, on the font's line.
const int kSingleByteDrop = 1;

int SingleByteWidth(void* context, char byte, int* width) {
    SIZE extent;
    if (!GetTextExtentPointA(static_cast<HDC>(context), &byte, 1, &extent)) return 0;
    *width = extent.cx;
    return 1;
}

// Ink takes the text colour; paper, in the background colour, is ANDed in and
// so leaves a white-backed face as it was.
int DrawGlyph(HDC dc, int x, int y, unsigned code) {
    int sourceX = 0, sourceY = 0, strip = 0;
    LocateGlyph(code, &sourceX, &sourceY, &strip);
    BitBlt(dc, x, y, kGlyphSize, kGlyphSize, GlyphAtlas[strip].dc, sourceX, sourceY, SRCAND);
    return kGlyphSize;
}

int DrawSingleByte(HDC dc, int x, int y, char byte) {
    TextOutA(dc, x, y + kSingleByteDrop, &byte, 1);
    int width = 0;
    SingleByteWidth(dc, byte, &width);
    return width;
}

}  // namespace

SIZE MeasureMixedText(HDC dc, const char* text) {
    SIZE size = {MeasureMixedWidth(text, SingleByteWidth, dc), kMixedTextHeight};
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
    SIZE size = {pen - x, kMixedTextHeight};
    return size;
}
