#include "render/glyph_locate.h"

#include "render/atlas_format.h"

namespace {

const unsigned kCodeMask = 0xFFFF;

// Two codes that have no GB2312 row of their own in the atlas, so they sit in
// spare cells at the end of the hanzi.
struct PinnedGlyph {
    unsigned code;
    unsigned cell;
};
const PinnedGlyph kPinnedGlyphs[] = {
    {0xE946, 7456},  // 镕, GBK beyond GB2312
    {0xA9A4, 7457},  // ─, GB2312 row 9
};

// Adding 0x5F60 turns lead 0xA1 and trail 0xA1 into 1 and 1, so that a code
// becomes a base-96 number in which each GB2312 row starts at 96 x row + 1.
const unsigned kCodeBias = 0x5F60;
const int kRadix = 96;
const int kUnusedPerRow = kRadix - 94;  // cells skipped between rows
const unsigned kFirstHanzi = 0xB0A1;
const int kSymbolOrigin = 97;           // 0xA1A1 after the bias
const int kHanziOrigin = 1537;          // 0xB0A1 after the bias
const int kHanziFirstCell = 658;        // after the 7 symbol rows of 94 cells

int TruncatedRows(int d) { return d / kRadix; }  // truncates toward zero, as wanted

}  // namespace

unsigned GlyphCell(unsigned code) {
    code &= kCodeMask;
    for (const PinnedGlyph& pinned : kPinnedGlyphs)
        if (pinned.code == code) return pinned.cell;
    unsigned biased = (code + kCodeBias) & kCodeMask;
    int v = kRadix * static_cast<int>(biased >> 8) + static_cast<int>(biased & 0xFF);
    int n = 0;
    if (code < kFirstHanzi) {
        int d = v - kSymbolOrigin;
        n = d - kUnusedPerRow * TruncatedRows(d);
    } else {
        int d = v - kHanziOrigin;
        n = d + kHanziFirstCell - kUnusedPerRow * TruncatedRows(d);
    }
    // A negative cell wraps to a large one, which the strip cap folds back.
    return static_cast<unsigned>(n) & kCodeMask;
}

int LocateGlyph(unsigned code, int* x, int* y, int* strip) {
    unsigned cell = GlyphCell(code);
    int row = static_cast<int>(cell / kCellsPerRow);
    *x = kGlyphSize * static_cast<int>(cell % kCellsPerRow);
    *y = kGlyphSize * (row % kCellRowsPerStrip);
    *strip = row / kCellRowsPerStrip;
    if (*strip > kAtlasStripCount - 1) *strip = kAtlasStripCount - 1;
    return 1;
}
