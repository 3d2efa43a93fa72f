// Checks on the committed atlas that hold whatever font version drew it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "atlas_format.h"
#include "atlas_layout.h"

namespace atlas {
namespace {

std::vector<std::uint8_t> ReadCommittedAtlas() {
  std::vector<std::uint8_t> bytes;
  std::FILE* file = std::fopen(ATLAS_COMMITTED_PATH, "rb");
  if (file == nullptr) return bytes;
  int c = 0;
  while ((c = std::fgetc(file)) != EOF)
    bytes.push_back(static_cast<std::uint8_t>(c));
  std::fclose(file);
  return bytes;
}

class CommittedAtlas : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    image_ = new std::vector<std::uint8_t>(ReadCommittedAtlas());
  }
  static void TearDownTestSuite() { delete image_; }

  static int InkPixels(int cell) {
    int ink = 0;
    const std::size_t top = CellOffset(cell);
    for (int row = 0; row < kCellPx; ++row) {
      for (int b = 0; b < kCellBytesPerRow; ++b) {
        const std::uint8_t byte = (*image_)[top + row * kAtlasRowBytes + b];
        for (int bit = 0; bit < kBitsPerByte; ++bit)
          ink += !((byte >> bit) & 1);
      }
    }
    return ink;
  }

  static std::vector<std::uint8_t>* image_;
};

std::vector<std::uint8_t>* CommittedAtlas::image_ = nullptr;

TEST_F(CommittedAtlas, HasExactlyFourStrips) {
  ASSERT_EQ(image_->size(), static_cast<std::size_t>(kAtlasBytes))
      << ATLAS_COMMITTED_PATH;
}

TEST_F(CommittedAtlas, LeavesUnassignedCellsPaper) {
  ASSERT_EQ(image_->size(), static_cast<std::size_t>(kAtlasBytes));
  for (int cell = 0; cell < kCellCapacity; ++cell) {
    std::uint16_t code = 0;
    if (CodeForCell(cell, &code)) continue;
    EXPECT_EQ(InkPixels(cell), 0) << cell;
  }
  // Positions GB2312 leaves empty, and the ideographic space.
  const std::uint16_t blank[] = {0xA1A1, 0xA2A1, 0xA2B0, 0xA4F4,
                                 0xA7C2, 0xD7FA, 0xD7FE};
  for (std::uint16_t code : blank) {
    EXPECT_EQ(InkPixels(CellForCode(code)), 0) << std::hex << code;
  }
}

TEST_F(CommittedAtlas, DrawsEveryHanziAndTheExtras) {
  ASSERT_EQ(image_->size(), static_cast<std::size_t>(kAtlasBytes));
  for (int cell = kHanziFirstCell; cell < kHanziEndCell; ++cell) {
    std::uint16_t code = 0;
    ASSERT_TRUE(CodeForCell(cell, &code));
    const bool gap = code >= 0xD7FA && code <= 0xD7FE;
    if (gap) continue;
    EXPECT_GT(InkPixels(cell), 0) << std::hex << code;
  }
  for (const ExtraGlyph& extra : kExtraGlyphs) {
    EXPECT_GT(InkPixels(extra.cell), 0) << std::hex << extra.code;
  }
}

TEST_F(CommittedAtlas, DrawsTheHorizontalRuleEdgeToEdge) {
  ASSERT_EQ(image_->size(), static_cast<std::size_t>(kAtlasBytes));
  const std::size_t top = CellOffset(CellForCode(0xA9A4));
  bool full_row = false;
  for (int row = 0; row < kCellPx; ++row) {
    const std::size_t at = top + row * kAtlasRowBytes;
    if ((*image_)[at] == 0 && (*image_)[at + 1] == 0) full_row = true;
  }
  EXPECT_TRUE(full_row);
}

}  // namespace
}  // namespace atlas
