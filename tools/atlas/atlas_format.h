// The generator's names for the atlas image layout. The layout itself is
// defined once, in render/atlas_format.h, which the installer reads by.
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/atlas_format.h"

namespace atlas {

constexpr int kAtlasRowBytes = static_cast<int>(::kAtlasRowBytes);
constexpr int kBitsPerByte = 8;
constexpr int kByteMask = 0xFF;
constexpr int kAtlasWidthPx = ::kAtlasStripWidth;
constexpr int kStripRows = ::kAtlasStripHeight;
constexpr int kStripBytes = static_cast<int>(::kAtlasStripBytes);
constexpr int kStripCount = ::kAtlasStripCount;
constexpr int kAtlasBytes = static_cast<int>(::kAtlasImageBytes);
constexpr int kCellPx = ::kGlyphSize;
constexpr int kCellBytesPerRow = kCellPx / kBitsPerByte;
constexpr int kCellsPerRow = ::kCellsPerRow;
constexpr int kCellRowsPerStrip = ::kCellRowsPerStrip;
constexpr int kCellBandBytes = kAtlasRowBytes * kCellPx;
constexpr int kCellCapacity = ::kAtlasCellCount;
constexpr std::uint8_t kPaperByte = ::kAtlasPaperByte;

static_assert(kCellRowsPerStrip * kCellPx == kStripRows, "strips must hold whole cell rows");
static_assert(kStripBytes == 60416, "strip size is fixed by the reader");
static_assert(kAtlasBytes == 241664, "image size is fixed by the reader");
static_assert(kCellCapacity == 7552, "cell capacity is fixed by the reader");

}  // namespace atlas
