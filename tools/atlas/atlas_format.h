// Byte layout of the glyph atlas image (ChnBmp.bin) that the setup program
// draws Chinese text from. Every size the reader and the generator share is
// named here once.
#pragma once

#include <cstddef>
#include <cstdint>

namespace atlas {

// One pixel row: 512 one-bit pixels, leftmost pixel in the byte's top bit.
constexpr int kAtlasRowBytes = 64;
constexpr int kBitsPerByte = 8;
constexpr int kByteMask = 0xFF;
constexpr int kAtlasWidthPx = kAtlasRowBytes * kBitsPerByte;

// The image is cut into strips so the reader can load it in pieces.
constexpr int kStripRows = 944;
constexpr int kStripBytes = kAtlasRowBytes * kStripRows;
constexpr int kStripCount = 4;
constexpr int kAtlasBytes = kStripBytes * kStripCount;

// Square glyph cells, laid out in reading order across all strips.
constexpr int kCellPx = 16;
constexpr int kCellBytesPerRow = kCellPx / kBitsPerByte;
constexpr int kCellsPerRow = kAtlasWidthPx / kCellPx;
constexpr int kCellRowsPerStrip = kStripRows / kCellPx;
constexpr int kCellBandBytes = kAtlasRowBytes * kCellPx;
constexpr int kCellCapacity = kCellsPerRow * kCellRowsPerStrip * kStripCount;

// A set bit is paper, a clear bit is ink; an untouched image is all paper.
constexpr std::uint8_t kPaperByte = 0xFF;

static_assert(kCellRowsPerStrip * kCellPx == kStripRows,
              "strips must hold whole cell rows");
static_assert(kStripBytes == 60416, "strip size is fixed by the reader");
static_assert(kAtlasBytes == 241664, "image size is fixed by the reader");
static_assert(kCellCapacity == 7552, "cell capacity is fixed by the reader");

}  // namespace atlas
