// Preparing a decompressed atlas image for the strips. Platform-free.
#ifndef LQ_RENDER_ATLAS_IMAGE_H
#define LQ_RENDER_ATLAS_IMAGE_H

#include <cstddef>

// The atlas resource may cover fewer rows than the four strips; the strips
// are made from the whole strip area, so the rows the resource did not give
// become paper. buffer holds at least kAtlasImageBytes bytes, of which the
// first decompressedLength came from the resource.
void FillMissingAtlasRows(unsigned char* buffer, size_t decompressedLength);

// Where strip k's bits begin within the image.
size_t AtlasStripOffset(int strip);

#endif
