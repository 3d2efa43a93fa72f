// Fits a font glyph into a 16x16 cell and stores the cell in the atlas image.
#pragma once

#include <cstddef>
#include <cstdint>

#include "atlas_format.h"
#include "hex_font.h"

namespace atlas {

// Ink mask of one cell, a row per element, leftmost pixel in bit 15.
struct CellInk {
  std::uint16_t rows[kCellPx];
};

// Characters drawn edge to edge so that a run of them forms one unbroken
// line (box drawing, the doubled dash and ellipsis of Chinese text).
bool JoinsNeighbours(std::uint32_t codepoint);

// A wide glyph is copied as is. A narrow glyph is centred, because in a
// square cell next to hanzi punctuation and letters hugging the left edge
// look misplaced; joining characters are stretched to double width instead.
CellInk FitGlyph(const HexGlyph& glyph);

// Sets every pixel of the image to paper.
void FillPaper(std::uint8_t* image, std::size_t image_size);

// Writes the cell's pixels (ink as 0 bits). False, writing nothing, if the
// cell is invalid or lies beyond image_size.
bool WriteCell(std::uint8_t* image, std::size_t image_size, int cell,
               const CellInk& ink);

}  // namespace atlas
