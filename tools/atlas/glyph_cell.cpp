#include "glyph_cell.h"

#include <cstring>

#include "atlas_layout.h"

namespace atlas {
namespace {

constexpr int kCentreShift = (kWideGlyphPx - kNarrowGlyphPx) / 2;
constexpr int kRowTopBit = kWideGlyphPx - 1;
constexpr int kStretchFactor = kWideGlyphPx / kNarrowGlyphPx;
constexpr unsigned kStretchedPixel = (1u << kStretchFactor) - 1;

struct CodepointRange {
  std::uint32_t first;
  std::uint32_t last;
};

constexpr CodepointRange kJoiningRanges[] = {
    {0x2014, 0x2015},  // em dash, horizontal bar
    {0x2026, 0x2026},  // horizontal ellipsis
    {0x2500, 0x257F},  // box drawing
};

// Doubles each of the narrow glyph's eight pixels across the full row.
std::uint16_t StretchRow(std::uint16_t row) {
  std::uint16_t stretched = 0;
  for (int i = 0; i < kNarrowGlyphPx; ++i) {
    if (row & (1u << (kRowTopBit - i))) {
      const int low_bit = kRowTopBit - (kStretchFactor * (i + 1) - 1);
      stretched |= static_cast<std::uint16_t>(kStretchedPixel << low_bit);
    }
  }
  return stretched;
}

}  // namespace

bool JoinsNeighbours(std::uint32_t codepoint) {
  for (const CodepointRange& range : kJoiningRanges) {
    if (codepoint >= range.first && codepoint <= range.last) return true;
  }
  return false;
}

CellInk FitGlyph(const HexGlyph& glyph) {
  CellInk ink{};
  const bool narrow = glyph.width == kNarrowGlyphPx;
  const bool stretch = narrow && JoinsNeighbours(glyph.codepoint);
  for (int row = 0; row < kCellPx; ++row) {
    const std::uint16_t bits = glyph.rows[row];
    if (stretch) {
      ink.rows[row] = StretchRow(bits);
    } else if (narrow) {
      ink.rows[row] = static_cast<std::uint16_t>(bits >> kCentreShift);
    } else {
      ink.rows[row] = bits;
    }
  }
  return ink;
}

void FillPaper(std::uint8_t* image, std::size_t image_size) {
  std::memset(image, kPaperByte, image_size);
}

bool WriteCell(std::uint8_t* image, std::size_t image_size, int cell,
               const CellInk& ink) {
  if (!IsValidCell(cell)) return false;
  const std::size_t top = CellOffset(cell);
  const std::size_t last_row = top + (kCellPx - 1) * kAtlasRowBytes;
  if (last_row + kCellBytesPerRow > image_size) return false;
  for (int row = 0; row < kCellPx; ++row) {
    const std::uint16_t paper = static_cast<std::uint16_t>(~ink.rows[row]);
    std::uint8_t* out = image + top + row * kAtlasRowBytes;
    out[0] = static_cast<std::uint8_t>(paper >> kBitsPerByte);
    out[1] = static_cast<std::uint8_t>(paper & kByteMask);
  }
  return true;
}

}  // namespace atlas
