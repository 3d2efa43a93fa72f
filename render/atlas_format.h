// The glyph atlas image: four strips of 512 x 944 one-bit pixels, 16 x 16
// cells, 0 bits ink and 1 bits paper. The same bytes are installed as
// "ChnBmp.bin". Platform-free; shared with the atlas generator.
#ifndef LQ_RENDER_ATLAS_FORMAT_H
#define LQ_RENDER_ATLAS_FORMAT_H

#include <cstddef>

const int kAtlasStripWidth = 512;
const int kAtlasStripHeight = 944;
const size_t kAtlasRowBytes = kAtlasStripWidth / 8;
const size_t kAtlasStripBytes = kAtlasRowBytes * kAtlasStripHeight;  // 60,416
const int kAtlasStripCount = 4;
const size_t kAtlasImageBytes = kAtlasStripBytes * kAtlasStripCount;  // 241,664
const int kGlyphSize = 16;
const int kCellsPerRow = kAtlasStripWidth / kGlyphSize;        // 32
const int kCellRowsPerStrip = kAtlasStripHeight / kGlyphSize;  // 59
const int kAtlasCellCount = kCellsPerRow * kCellRowsPerStrip * kAtlasStripCount;  // 7,552
const unsigned char kAtlasPaperByte = 0xFF;

// The start-up decompression buffer: larger than the four strips, so an
// image with a little extra data still decompresses.
const size_t kAtlasBufferBytes = 307200;

#endif
