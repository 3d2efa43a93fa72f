#include "render/mixed_text_walk.h"

#include "render/atlas_format.h"

namespace {

const unsigned kLeadByteBit = 0x80;

unsigned ByteAt(const char* at, int index) { return static_cast<unsigned char>(at[index]); }

}  // namespace

MixedChar ReadMixedChar(const char* at) {
    unsigned first = ByteAt(at, 0);
    if (first == 0) return MixedChar{0, 0, 0};
    if (!(first & kLeadByteBit)) return MixedChar{first, 0, 1};
    unsigned trail = ByteAt(at, 1);
    return MixedChar{first * 256 + trail, 1, trail ? 2 : 1};
}

int MeasureMixedWidth(const char* text, SingleByteWidthFn widthOf, void* context, int glyphWidth) {
    int total = 0;
    for (MixedChar c = ReadMixedChar(text); c.byteCount; c = ReadMixedChar(text)) {
        int width = 0;
        if (c.isGlyph)
            total += glyphWidth;
        else if (widthOf(context, *text, &width))
            total += width;
        text += c.byteCount;
    }
    return total;
}
