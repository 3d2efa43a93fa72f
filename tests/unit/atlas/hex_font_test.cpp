#include "hex_font.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace atlas {
namespace {

constexpr char kNarrowA[] = "0041:0000000018242442427E424242420000";
constexpr char kWideQue[] =
    "78BA:00400040FBFE22A2209041FE79104B10CDFE4910491049FE7910491001FE0100";
constexpr std::size_t kErrorSize = 128;

bool Parse(const std::string& line, HexGlyph* glyph) {
  return ParseHexLine(line.data(), line.size(), glyph);
}

TEST(ParseHexLine, ReadsNarrowGlyphIntoHighByte) {
  HexGlyph glyph{};
  ASSERT_TRUE(Parse(kNarrowA, &glyph));
  EXPECT_EQ(glyph.codepoint, 0x41u);
  EXPECT_EQ(glyph.width, kNarrowGlyphPx);
  const std::uint16_t expected[kCellPx] = {
      0,      0,      0,      0,      0x1800, 0x2400, 0x2400, 0x4200,
      0x4200, 0x7E00, 0x4200, 0x4200, 0x4200, 0x4200, 0,      0};
  for (int row = 0; row < kCellPx; ++row) {
    EXPECT_EQ(glyph.rows[row], expected[row]) << row;
  }
}

TEST(ParseHexLine, ReadsWideGlyphRowsInOrder) {
  HexGlyph glyph{};
  ASSERT_TRUE(Parse(kWideQue, &glyph));
  EXPECT_EQ(glyph.codepoint, 0x78BAu);
  EXPECT_EQ(glyph.width, kWideGlyphPx);
  EXPECT_EQ(glyph.rows[0], 0x0040);
  EXPECT_EQ(glyph.rows[2], 0xFBFE);
  EXPECT_EQ(glyph.rows[8], 0xCDFE);
  EXPECT_EQ(glyph.rows[15], 0x0100);
}

TEST(ParseHexLine, AcceptsLowerCaseAndSupplementaryCodepoints) {
  HexGlyph glyph{};
  ASSERT_TRUE(Parse("1f600:0000000018242442427e424242420000", &glyph));
  EXPECT_EQ(glyph.codepoint, 0x1F600u);
  EXPECT_EQ(glyph.rows[9], 0x7E00);
  ASSERT_TRUE(Parse("10FFFF:0000000018242442427E424242420000", &glyph));
  EXPECT_EQ(glyph.codepoint, 0x10FFFFu);
}

TEST(ParseHexLine, RejectsMalformedLines) {
  const std::string bits(32, '0');
  const std::string bad[] = {
      "",
      "0041",
      "0041:",
      ":" + bits,
      "0041:" + bits.substr(1),
      "0041:" + bits + "0",
      "0041:" + bits + bits.substr(16),
      "0041;" + bits,
      "00G1:" + bits,
      "0041:" + bits.substr(1) + "Z",
      "1234567:" + bits,
      "110000:" + bits,
      " 0041:" + bits,
      "0041 :" + bits,
      "0041:" + bits + " ",
      "0041:" + bits.substr(2) + "-1",
  };
  for (const std::string& line : bad) {
    HexGlyph glyph{};
    glyph.codepoint = 0xABCD;
    EXPECT_FALSE(Parse(line, &glyph)) << '"' << line << '"';
    EXPECT_EQ(glyph.codepoint, 0xABCDu) << "modified by " << line;
  }
}

TEST(ParseHexFont, SortsGlyphsAndToleratesBlankLinesAndCrLf) {
  const std::string text =
      std::string(kWideQue) + "\r\n\n   \n" + kNarrowA + "\n";
  HexFont font;
  char error[kErrorSize] = "";
  ASSERT_TRUE(ParseHexFont(text, &font, error, sizeof error)) << error;
  ASSERT_EQ(font.glyphs.size(), 2u);
  EXPECT_EQ(font.glyphs[0].codepoint, 0x41u);
  const HexGlyph* que = FindGlyph(font, 0x78BA);
  ASSERT_NE(que, nullptr);
  EXPECT_EQ(que->rows[15], 0x0100);
  EXPECT_EQ(FindGlyph(font, 0x78BB), nullptr);
  EXPECT_EQ(FindGlyph(font, 0x40), nullptr);
}

TEST(ParseHexFont, KeepsTheFirstOfRepeatedCodepoints) {
  const std::string text = std::string(kNarrowA) + "\n" +
                           "0041:" + std::string(32, 'F') + "\n" + kNarrowA +
                           "\n";
  HexFont font;
  char error[kErrorSize] = "";
  ASSERT_TRUE(ParseHexFont(text, &font, error, sizeof error)) << error;
  const HexGlyph* glyph = FindGlyph(font, 0x41);
  ASSERT_NE(glyph, nullptr);
  EXPECT_EQ(glyph->rows[0], 0);
}

TEST(ParseHexFont, ReportsTheLineOfAMalformedGlyph) {
  const std::string text = std::string(kNarrowA) + "\n\n0042:12\n";
  HexFont font;
  char error[kErrorSize] = "";
  EXPECT_FALSE(ParseHexFont(text, &font, error, sizeof error));
  EXPECT_NE(std::strstr(error, "line 3"), nullptr) << error;
}

TEST(LoadHexFont, NamesAFileItCannotOpen) {
  HexFont font;
  char error[kErrorSize] = "";
  const char* path = "/nonexistent/unifont.hex";
  EXPECT_FALSE(LoadHexFont(path, &font, error, sizeof error));
  EXPECT_NE(std::strstr(error, path), nullptr) << error;
}

}  // namespace
}  // namespace atlas
