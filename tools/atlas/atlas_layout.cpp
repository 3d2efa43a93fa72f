#include "atlas_layout.h"

#include "atlas_format.h"

namespace atlas {
namespace {

constexpr int kFirstPosition = 1;
constexpr int kLastPosition = kGbCellsPerRow;

// Cells of a contiguous run of GB2312 rows, packed 94 to a row.
struct RowRange {
  int first_row;
  int last_row;
  int first_cell;
};

constexpr RowRange kRowRanges[] = {
    {kSymbolFirstRow, kSymbolLastRow, kSymbolFirstCell},
    {kHanziFirstRow, kHanziLastRow, kHanziFirstCell},
};

int CellInRange(const RowRange& range, int row, int position) {
  if (row < range.first_row || row > range.last_row) return kNoCell;
  return range.first_cell + kGbCellsPerRow * (row - range.first_row) +
         (position - kFirstPosition);
}

int RangeCellCount(const RowRange& range) {
  return kGbCellsPerRow * (range.last_row - range.first_row + 1);
}

std::uint16_t CodeFromRowPosition(int row, int position) {
  const int lead = kGbByteBase + row;
  const int trail = kGbByteBase + position;
  return static_cast<std::uint16_t>((lead << kBitsPerByte) | trail);
}

constexpr bool ExtrasFitBetweenRangesAndCapacity() {
  for (const ExtraGlyph& extra : kExtraGlyphs) {
    if (extra.cell < kHanziEndCell || extra.cell >= kCellCapacity) return false;
  }
  return true;
}
static_assert(ExtrasFitBetweenRangesAndCapacity(),
              "extra glyphs must not overlap the GB2312 cells");

}  // namespace

int CellForCode(std::uint16_t code) {
  for (const ExtraGlyph& extra : kExtraGlyphs) {
    if (extra.code == code) return extra.cell;
  }
  const int row = (code >> kBitsPerByte) - kGbByteBase;
  const int position = (code & kByteMask) - kGbByteBase;
  if (position < kFirstPosition || position > kLastPosition) return kNoCell;
  for (const RowRange& range : kRowRanges) {
    const int cell = CellInRange(range, row, position);
    if (cell != kNoCell) return cell;
  }
  return kNoCell;
}

bool CodeForCell(int cell, std::uint16_t* code) {
  for (const ExtraGlyph& extra : kExtraGlyphs) {
    if (extra.cell == cell) {
      *code = extra.code;
      return true;
    }
  }
  for (const RowRange& range : kRowRanges) {
    const int index = cell - range.first_cell;
    if (index < 0 || index >= RangeCellCount(range)) continue;
    *code = CodeFromRowPosition(range.first_row + index / kGbCellsPerRow,
                                kFirstPosition + index % kGbCellsPerRow);
    return true;
  }
  return false;
}

bool IsValidCell(int cell) { return cell >= 0 && cell < kCellCapacity; }

std::size_t CellOffset(int cell) {
  const std::size_t band = static_cast<std::size_t>(cell / kCellsPerRow);
  const std::size_t column = static_cast<std::size_t>(cell % kCellsPerRow);
  return band * kCellBandBytes + column * kCellBytesPerRow;
}

CellPosition CellPositionOf(int cell) {
  const int band = cell / kCellsPerRow;
  CellPosition position;
  position.strip = band / kCellRowsPerStrip;
  position.x = (cell % kCellsPerRow) * kCellPx;
  position.y = (band % kCellRowsPerStrip) * kCellPx;
  return position;
}

}  // namespace atlas
