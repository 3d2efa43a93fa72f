#include "render/atlas_image.h"

#include <cstring>

#include "render/atlas_format.h"

void FillMissingAtlasRows(unsigned char* buffer, size_t decompressedLength) {
    if (decompressedLength >= kAtlasImageBytes) return;
    std::memset(buffer + decompressedLength, kAtlasPaperByte, kAtlasImageBytes - decompressedLength);
}

size_t AtlasStripOffset(int strip) { return static_cast<size_t>(strip) * kAtlasStripBytes; }
