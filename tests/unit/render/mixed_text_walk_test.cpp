#include "render/mixed_text_walk.h"

#include <gtest/gtest.h>

#include <string>

#include "render/atlas_format.h"

namespace {

// Gives every byte its own width, fails on 'x', and records what it measured.
struct StubFont {
    std::string measured;
};

int StubWidth(char byte) { return 3 + static_cast<unsigned char>(byte) % 11; }

int StubWidthOf(void* context, char byte, int* width) {
    static_cast<StubFont*>(context)->measured += byte;
    if (byte == 'x') return 0;
    *width = StubWidth(byte);
    return 1;
}

int SumOfWidths(const std::string& bytes) {
    int sum = 0;
    for (char byte : bytes) sum += StubWidth(byte);
    return sum;
}

struct ReadCase {
    const char* what;
    const char* text;
    unsigned code;
    int isGlyph;
    int byteCount;
};

TEST(MixedTextWalk, ReadsOneCharacter) {
    const ReadCase cases[] = {
        {"end of text", "", 0, 0, 0},
        {"letter", "A", 0x41, 0, 1},
        {"highest single byte", "\x7F", 0x7F, 0, 1},
        {"GB2312 code", "\xB0\xA1", 0xB0A1, 1, 2},
        {"trail below 0x80 still belongs to the lead", "\xB0\x41", 0xB041, 1, 2},
        {"lowest lead byte", "\x80\x80", 0x8080, 1, 2},
        {"highest code", "\xFF\xFF", 0xFFFF, 1, 2},
        {"last lead byte takes the terminator", "\xB0", 0xB000, 1, 1},
    };
    for (const ReadCase& c : cases) {
        MixedChar read = ReadMixedChar(c.text);
        EXPECT_EQ(c.code, read.code) << c.what;
        EXPECT_EQ(c.isGlyph, read.isGlyph) << c.what;
        EXPECT_EQ(c.byteCount, read.byteCount) << c.what;
    }
}

struct MeasureCase {
    const char* what;
    const char* text;
    int glyphs;
    const char* singleBytes;  // what the font is asked to measure, in order
};

TEST(MixedTextWalk, MeasuresGlyphsAsSixteenAndEachSingleByteAlone) {
    const MeasureCase cases[] = {
        {"bilingual caption", "取消 Cancel", 2, " Cancel"},
        {"lead swallows a letter", "\xB0\x41", 1, ""},
        {"last lead byte", "\xB0", 1, ""},
        {"letters then a last lead byte", "ab\xB0", 1, "ab"},
        {"trail equal to a lead byte", "\xB0\xB0" "c", 1, "c"},
        {"Latin only", "OK", 0, "OK"},
    };
    for (const MeasureCase& c : cases) {
        StubFont font;
        int width = MeasureMixedWidth(c.text, StubWidthOf, &font, kGlyphSize);
        EXPECT_EQ(kGlyphSize * c.glyphs + SumOfWidths(c.singleBytes), width) << c.what;
        EXPECT_EQ(c.singleBytes, font.measured) << c.what;
    }
}

TEST(MixedTextWalk, BilingualCaptionIsTwoGlyphsThenSevenBytes) {
    // Pins the GBK bytes the build stores for the literal.
    StubFont font;
    EXPECT_EQ(32 + SumOfWidths(" Cancel"), MeasureMixedWidth("取消 Cancel", StubWidthOf, &font, kGlyphSize));
    // At glyph scale 2 the glyphs, and only they, are twice as wide.
    EXPECT_EQ(64 + SumOfWidths(" Cancel"), MeasureMixedWidth("取消 Cancel", StubWidthOf, &font, 2 * kGlyphSize));
    EXPECT_STREQ("\xC8\xA1\xCF\xFB Cancel", "取消 Cancel");
}

TEST(MixedTextWalk, UnmeasurableByteAddsNothing) {
    StubFont font;
    EXPECT_EQ(SumOfWidths("ab"), MeasureMixedWidth("axb", StubWidthOf, &font, kGlyphSize));
    EXPECT_EQ("axb", font.measured);
}

TEST(MixedTextWalk, EmptyTextMeasuresZeroByOneGlyphHigh) {
    StubFont font;
    EXPECT_EQ(0, MeasureMixedWidth("", StubWidthOf, &font, kGlyphSize));
    EXPECT_EQ("", font.measured);
    EXPECT_EQ(16, kMixedTextHeight);
}

}  // namespace
