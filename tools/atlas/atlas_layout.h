// Which cell of the atlas holds the glyph of a GB2312/GBK code, and where
// that cell lies in the image.
#pragma once

#include <cstddef>
#include <cstdint>

namespace atlas {

constexpr int kNoCell = -1;

// GB2312 symbol rows 1..7 fill cells from 0; hanzi rows 16..87 follow.
constexpr int kGbCellsPerRow = 94;
constexpr std::uint8_t kGbByteBase = 0xA0;
constexpr int kSymbolFirstRow = 1;
constexpr int kSymbolLastRow = 7;
constexpr int kHanziFirstRow = 16;
constexpr int kHanziLastRow = 87;
constexpr int kSymbolFirstCell = 0;
constexpr int kHanziFirstCell =
    kSymbolFirstCell + kGbCellsPerRow * (kSymbolLastRow - kSymbolFirstRow + 1);
constexpr int kHanziEndCell =
    kHanziFirstCell + kGbCellsPerRow * (kHanziLastRow - kHanziFirstRow + 1);

// Characters the product needs beyond the two ranges, each in a fixed cell.
struct ExtraGlyph {
  std::uint16_t code;
  int cell;
};
constexpr ExtraGlyph kExtraGlyphs[] = {
    {0xE946, 7456},  // GBK-only hanzi (U+9555)
    {0xA9A4, 7457},  // box drawing light horizontal (U+2500)
};

// Pixel position of a cell's top-left corner inside its strip.
struct CellPosition {
  int strip;
  int x;
  int y;
};

// Cell for a two-byte code (lead byte high), or kNoCell if none is assigned.
int CellForCode(std::uint16_t code);

// Code whose glyph a cell holds; false for cells that stay paper by design.
bool CodeForCell(int cell, std::uint16_t* code);

// True for 0 <= cell < kCellCapacity.
bool IsValidCell(int cell);

// Byte offset in the image of the first byte of the cell's top pixel row.
// The cell must be valid.
std::size_t CellOffset(int cell);

// Strip and pixel position of a valid cell.
CellPosition CellPositionOf(int cell);

}  // namespace atlas
