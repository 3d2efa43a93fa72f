#include "atlas_layout.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "atlas_format.h"

namespace atlas {
namespace {

constexpr int kCodeSpace = 0x10000;
constexpr int kGb2312CellCount = kHanziEndCell;
constexpr int kExtraCount = sizeof kExtraGlyphs / sizeof kExtraGlyphs[0];

struct CodeCell {
  std::uint16_t code;
  int cell;
};

TEST(CellForCode, MapsKnownCodes) {
  const CodeCell cases[] = {
      {0xA1A1, 0},    {0xA1A2, 1},    {0xA1FE, 93},   {0xA2A1, 94},
      {0xA3C1, 220},  {0xA7F1, 644},  {0xA7FE, 657},  {0xB0A1, 658},
      {0xB0FE, 751},  {0xB1A1, 752},  {0xC8B7, 2936}, {0xD7F9, 4412},
      {0xD8A1, 4418}, {0xF7FE, 7425}, {0xE946, 7456}, {0xA9A4, 7457},
  };
  for (const CodeCell& c : cases) {
    EXPECT_EQ(CellForCode(c.code), c.cell) << std::hex << c.code;
  }
}

TEST(CellForCode, RejectsCodesOutsideTheRanges) {
  const std::uint16_t codes[] = {
      0x0000, 0x0041, 0x4142, 0xFFFF,  // not double-byte GB codes
      0xA1A0, 0xA1FF, 0xB0A0, 0xF7FF,  // trail byte out of range
      0xA0A1, 0xA8A1, 0xA9A5, 0xAFFE,  // rows 0 and 8..15
      0xF8A1, 0xFEFE, 0xE945, 0xE947,  // rows past 87, GBK neighbours
  };
  for (std::uint16_t code : codes) {
    EXPECT_EQ(CellForCode(code), kNoCell) << std::hex << code;
  }
}

TEST(CodeForCell, InvertsCellForCodeOverTheWholeCodeSpace) {
  int mapped = 0;
  for (int value = 0; value < kCodeSpace; ++value) {
    const std::uint16_t code = static_cast<std::uint16_t>(value);
    const int cell = CellForCode(code);
    if (cell == kNoCell) continue;
    ++mapped;
    ASSERT_TRUE(IsValidCell(cell)) << std::hex << code;
    std::uint16_t back = 0;
    ASSERT_TRUE(CodeForCell(cell, &back)) << cell;
    EXPECT_EQ(back, code) << cell;
  }
  EXPECT_EQ(mapped, kGb2312CellCount + kExtraCount);
}

TEST(CodeForCell, LeavesReservedCellsEmpty) {
  int with_code = 0;
  for (int cell = 0; cell < kCellCapacity; ++cell) {
    std::uint16_t code = 0;
    const bool has_code = CodeForCell(cell, &code);
    const bool reserved = (cell >= 7426 && cell <= 7455) || cell >= 7458;
    EXPECT_EQ(has_code, !reserved) << cell;
    if (has_code) ++with_code;
  }
  EXPECT_EQ(with_code, kGb2312CellCount + kExtraCount);
  std::uint16_t code = 0;
  EXPECT_FALSE(CodeForCell(-1, &code));
  EXPECT_FALSE(CodeForCell(kCellCapacity, &code));
}

TEST(IsValidCell, BoundsTheCapacity) {
  EXPECT_TRUE(IsValidCell(0));
  EXPECT_TRUE(IsValidCell(7551));
  EXPECT_FALSE(IsValidCell(-1));
  EXPECT_FALSE(IsValidCell(7552));
}

struct CellPlace {
  int cell;
  std::size_t offset;
  int strip;
  int x;
  int y;
};

TEST(CellOffset, PlacesCellsInStripsAndBands) {
  const CellPlace cases[] = {
      {0, 0, 0, 0, 0},
      {1, 2, 0, 16, 0},
      {31, 62, 0, 496, 0},
      {32, 1024, 0, 0, 16},
      {1887, 58 * 1024 + 62, 0, 496, 928},
      {1888, 60416, 1, 0, 0},
      {1889, 60416 + 2, 1, 16, 0},
      {2936, 60416 + 32 * 1024 + 2 * 24, 1, 384, 512},
      {7457, 3 * 60416 + 896 * 64 + 2, 3, 16, 896},
      {7551, 241664 - 1024 + 62, 3, 496, 928},
  };
  for (const CellPlace& c : cases) {
    EXPECT_EQ(CellOffset(c.cell), c.offset) << c.cell;
    const CellPosition position = CellPositionOf(c.cell);
    EXPECT_EQ(position.strip, c.strip) << c.cell;
    EXPECT_EQ(position.x, c.x) << c.cell;
    EXPECT_EQ(position.y, c.y) << c.cell;
  }
}

TEST(CellOffset, AgreesWithStripPositionForEveryCell) {
  for (int cell = 0; cell < kCellCapacity; ++cell) {
    const CellPosition p = CellPositionOf(cell);
    const std::size_t expected =
        static_cast<std::size_t>(p.strip) * kStripBytes +
        static_cast<std::size_t>(p.y) * kAtlasRowBytes +
        static_cast<std::size_t>(p.x / kBitsPerByte);
    ASSERT_EQ(CellOffset(cell), expected) << cell;
    ASSERT_LE(p.y + kCellPx, kStripRows) << cell;
  }
}

TEST(CellOffset, LastCellEndsAtTheLastByte) {
  const std::size_t last_byte = CellOffset(kCellCapacity - 1) +
                                (kCellPx - 1) * kAtlasRowBytes +
                                kCellBytesPerRow - 1;
  EXPECT_EQ(last_byte, static_cast<std::size_t>(kAtlasBytes - 1));
}

}  // namespace
}  // namespace atlas
