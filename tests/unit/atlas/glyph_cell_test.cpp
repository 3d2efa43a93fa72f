#include "glyph_cell.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "atlas_format.h"
#include "atlas_layout.h"

namespace atlas {
namespace {

HexGlyph GlyphWithRow0(std::uint32_t codepoint, int width, std::uint16_t row0) {
  HexGlyph glyph{};
  glyph.codepoint = codepoint;
  glyph.width = width;
  glyph.rows[0] = row0;
  return glyph;
}

struct RowCase {
  std::uint32_t codepoint;
  int width;
  std::uint16_t in;
  std::uint16_t out;
};

TEST(FitGlyph, PlacesRowsByWidthAndKind) {
  const RowCase cases[] = {
      // Wide glyphs are copied, whatever the character.
      {0x78BA, kWideGlyphPx, 0xFBFE, 0xFBFE},
      {0x2500, kWideGlyphPx, 0x8001, 0x8001},
      // Narrow glyphs are centred.
      {0x0041, kNarrowGlyphPx, 0xFF00, 0x0FF0},
      {0x0041, kNarrowGlyphPx, 0x8000, 0x0800},
      {0x0041, kNarrowGlyphPx, 0x0100, 0x0010},
      // Narrow joining glyphs are stretched pixel by pixel.
      {0x2500, kNarrowGlyphPx, 0xFF00, 0xFFFF},
      {0x2502, kNarrowGlyphPx, 0x0800, 0x00C0},
      {0x250C, kNarrowGlyphPx, 0x8000, 0xC000},
      {0x2014, kNarrowGlyphPx, 0x0100, 0x0003},
      {0x2026, kNarrowGlyphPx, 0x4900, 0x30C3},
  };
  for (const RowCase& c : cases) {
    const CellInk ink = FitGlyph(GlyphWithRow0(c.codepoint, c.width, c.in));
    EXPECT_EQ(ink.rows[0], c.out) << std::hex << c.codepoint << " " << c.in;
    EXPECT_EQ(ink.rows[1], 0) << std::hex << c.codepoint;
  }
}

TEST(FitGlyph, KeepsRowOrder) {
  HexGlyph glyph{};
  glyph.codepoint = 0x78BA;
  glyph.width = kWideGlyphPx;
  for (int row = 0; row < kCellPx; ++row) {
    glyph.rows[row] = static_cast<std::uint16_t>(1u << row);
  }
  const CellInk ink = FitGlyph(glyph);
  for (int row = 0; row < kCellPx; ++row) {
    EXPECT_EQ(ink.rows[row], 1u << row) << row;
  }
}

TEST(JoinsNeighbours, CoversDashesEllipsisAndBoxDrawing) {
  const struct {
    std::uint32_t codepoint;
    bool joins;
  } cases[] = {
      {0x2013, false}, {0x2014, true},  {0x2015, true},  {0x2016, false},
      {0x2025, false}, {0x2026, true},  {0x24FF, false}, {0x2500, true},
      {0x257F, true},  {0x2580, false}, {0x0041, false}, {0x3000, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JoinsNeighbours(c.codepoint), c.joins) << std::hex << c.codepoint;
  }
}

std::vector<std::uint8_t> PaperImage() {
  std::vector<std::uint8_t> image(kAtlasBytes);
  FillPaper(image.data(), image.size());
  return image;
}

CellInk DistinctRows() {
  CellInk ink{};
  for (int row = 0; row < kCellPx; ++row) {
    ink.rows[row] = static_cast<std::uint16_t>(0x8001u | (row << 4));
  }
  return ink;
}

TEST(WriteCell, StoresInkAsClearBitsInTheCellOnly) {
  std::vector<std::uint8_t> image = PaperImage();
  const CellInk ink = DistinctRows();
  ASSERT_TRUE(WriteCell(image.data(), image.size(), 1, ink));
  std::vector<std::uint8_t> expected(kAtlasBytes, kPaperByte);
  for (int row = 0; row < kCellPx; ++row) {
    const std::uint16_t paper = static_cast<std::uint16_t>(~ink.rows[row]);
    expected[row * kAtlasRowBytes + 2] = static_cast<std::uint8_t>(paper >> kBitsPerByte);
    expected[row * kAtlasRowBytes + 3] = static_cast<std::uint8_t>(paper);
  }
  EXPECT_EQ(image, expected);
  // Leftmost pixel is the top bit of the first byte.
  EXPECT_EQ(image[2], 0x7F);
  EXPECT_EQ(image[3], 0xFE);
}

TEST(WriteCell, ReachesTheLastByteOfTheImage) {
  std::vector<std::uint8_t> image = PaperImage();
  CellInk ink{};
  ink.rows[kCellPx - 1] = 0x0001;
  ASSERT_TRUE(WriteCell(image.data(), image.size(), kCellCapacity - 1, ink));
  EXPECT_EQ(image[kAtlasBytes - 1], 0xFE);
  EXPECT_EQ(image[kAtlasBytes - 2], 0xFF);
}

TEST(WriteCell, RefusesCellsOutsideTheImage) {
  std::vector<std::uint8_t> image = PaperImage();
  const CellInk ink = DistinctRows();
  EXPECT_FALSE(WriteCell(image.data(), image.size(), -1, ink));
  EXPECT_FALSE(WriteCell(image.data(), image.size(), kCellCapacity, ink));
  // An image one strip short cannot take a cell of the last strip.
  const std::size_t short_size = kAtlasBytes - kStripBytes;
  EXPECT_FALSE(WriteCell(image.data(), short_size, 7457, ink));
  EXPECT_FALSE(
      WriteCell(image.data(), kAtlasBytes - 1, kCellCapacity - 1, ink));
  EXPECT_EQ(image, std::vector<std::uint8_t>(kAtlasBytes, kPaperByte));
}

}  // namespace
}  // namespace atlas
