#include "driver/glyph_check.h"

#include <fstream>
#include <iterator>

#include "render/atlas_format.h"
#include "render/glyph_locate.h"
#include "render/glyph_scale.h"
#include "render/mixed_text_walk.h"

namespace {

std::vector<unsigned char> Atlas;

int SingleByteWidth(void* context, char byte, int* width) {
    SIZE size;
    if (!GetTextExtentPoint32A(static_cast<HDC>(context), &byte, 1, &size)) return 0;
    *width = size.cx;
    return 1;
}

}  // namespace

void SetAtlasPath(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    Atlas.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::vector<unsigned char>& AtlasImage() { return Atlas; }

int ScreenGlyphScale() {
    HDC screen = GetDC(nullptr);
    const int scale = GlyphScaleForDpi(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return scale;
}

int GlyphMismatches(const Image& image, int x, int y, unsigned code, COLORREF ink, COLORREF paper, int scale) {
    int cellX = 0, cellY = 0, strip = 0;
    LocateGlyph(code, &cellX, &cellY, &strip);
    int mismatches = 0;
    for (int row = 0; row < kGlyphSize * scale; ++row) {
        for (int column = 0; column < kGlyphSize * scale; ++column) {
            const int atlasX = cellX + column / scale, atlasY = cellY + row / scale;
            size_t offset = strip * kAtlasStripBytes + atlasY * kAtlasRowBytes + atlasX / 8;
            bool isInk = offset < Atlas.size() && !(Atlas[offset] & (0x80 >> (atlasX % 8)));
            int px = x + column, py = y + row;
            if (px < 0 || py < 0 || px >= image.width || py >= image.height) {
                ++mismatches;
                continue;
            }
            if (image.At(px, py) != (isInk ? ink : paper)) ++mismatches;
        }
    }
    return mismatches;
}

HFONT CreateDialogFont(const char* face, int pointSize, int weight, int charset) {
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, static_cast<DWORD>(charset), 0, 0, 0, 0,
                       face);
}

int MeasureWithFont(HFONT font, const char* text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    int width = MeasureMixedWidth(text, SingleByteWidth, dc, kGlyphSize * ScreenGlyphScale());
    SelectObject(dc, previous);
    DeleteDC(dc);
    return width;
}
