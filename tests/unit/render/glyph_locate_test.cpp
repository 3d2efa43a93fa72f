#include "render/glyph_locate.h"

#include <gtest/gtest.h>

#include "render/atlas_format.h"

namespace {

struct GlyphCase {
    unsigned code;
    unsigned cell;
    int strip;
    int x;
    int y;
};

TEST(GlyphLocate, WorkedExamples) {
    const GlyphCase cases[] = {
        {0xA1A1, 0, 0, 0, 0},          // ideographic space
        {0xA1A2, 1, 0, 16, 0},         // 、
        {0xA3C1, 220, 0, 448, 96},     // fullwidth A
        {0xA7F1, 644, 0, 64, 320},     // last symbol row
        {0xB0A1, 658, 0, 288, 320},    // first hanzi
        {0xA8A1, 658, 0, 288, 320},    // rows 8 to 15 fall on the hanzi
        {0xC8B7, 2936, 1, 384, 512},   // 确
        {0xD7F9, 4412, 2, 448, 304},   // last level-1 hanzi
        {0xD8A1, 4418, 2, 32, 320},    // first level-2 hanzi
        {0xF7FE, 7425, 3, 16, 880},    // last GB2312 hanzi
        {0xE946, 7456, 3, 0, 896},     // pinned GBK code
        {0xA9A4, 7457, 3, 16, 896},    // pinned box-drawing line
        {0x8140, 21119, 3, 496, 160},  // GBK beyond the atlas: folded into strip 3
        {0xB000, 1411, 0, 48, 704},    // a last lead byte with the terminator
    };
    for (const GlyphCase& c : cases) {
        int x = -1, y = -1, strip = -1;
        EXPECT_EQ(c.cell, GlyphCell(c.code)) << std::hex << c.code;
        EXPECT_EQ(1, LocateGlyph(c.code, &x, &y, &strip)) << std::hex << c.code;
        EXPECT_EQ(c.strip, strip) << std::hex << c.code;
        EXPECT_EQ(c.x, x) << std::hex << c.code;
        EXPECT_EQ(c.y, y) << std::hex << c.code;
    }
}

// The row-and-position form of the same rule, for every GB2312 code.
unsigned Gb2312Cell(unsigned code) {
    const unsigned row = (code >> 8) - 0xA0, position = (code & 0xFF) - 0xA0;
    if (code < 0xB0A1) return 94 * (row - 1) + (position - 1);
    return 658 + 94 * (row - 16) + (position - 1);
}

TEST(GlyphLocate, Gb2312CodesFollowRowAndPosition) {
    for (unsigned lead = 0xA1; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            const unsigned code = lead * 256 + trail;
            if (code == 0xA9A4) continue;  // pinned
            ASSERT_EQ(Gb2312Cell(code), GlyphCell(code)) << std::hex << code;
        }
    }
}

TEST(GlyphLocate, RowsBeyondTheHanziRunOnToThePinnedCells) {
    EXPECT_EQ(7456u, GlyphCell(0xF8BF));
    EXPECT_EQ(7457u, GlyphCell(0xF8C0));
}

TEST(GlyphLocate, NegativeCellWrapsAndStaysInsideAStrip) {
    // 0xA100 comes out one below cell 0.
    int x = 0, y = 0, strip = 0;
    EXPECT_EQ(0xFFFFu, GlyphCell(0xA100));
    LocateGlyph(0xA100, &x, &y, &strip);
    EXPECT_EQ(3, strip);
    EXPECT_EQ(496, x);
    EXPECT_EQ(16 * (2047 % 59), y);
}

TEST(GlyphLocate, EveryCodeLandsOnACellInsideAStrip) {
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        int x = -1, y = -1, strip = -1;
        LocateGlyph(code, &x, &y, &strip);
        ASSERT_TRUE(strip >= 0 && strip < kAtlasStripCount) << std::hex << code;
        ASSERT_TRUE(x >= 0 && x + kGlyphSize <= kAtlasStripWidth) << std::hex << code;
        ASSERT_TRUE(y >= 0 && y + kGlyphSize <= kAtlasStripHeight) << std::hex << code;
        ASSERT_EQ(0, x % kGlyphSize) << std::hex << code;
        ASSERT_EQ(0, y % kGlyphSize) << std::hex << code;
    }
}

TEST(GlyphLocate, BitsAboveSixteenAreIgnored) {
    EXPECT_EQ(GlyphCell(0xB0A1), GlyphCell(0x1B0A1));
    EXPECT_EQ(GlyphCell(0xE946), GlyphCell(0xFFFFE946));
}

}  // namespace
