#include "render/glyph_atlas.h"

#include <zlib.h>

#include <cstdlib>

#include "base/payload_resource.h"
#include "render/atlas_image.h"
#include "render/glyph_scale.h"
#include "resources/resource_ids.h"

GlyphStrip GlyphAtlas[kAtlasStripCount];
int GlyphScale = 1;

namespace {

const UINT kMonochromePlanes = 1;
const UINT kMonochromeBitsPerPixel = 1;

int BuildStrip(GlyphStrip* strip, const unsigned char* bits) {
    strip->bitmap = CreateBitmap(kAtlasStripWidth, kAtlasStripHeight, kMonochromePlanes,
                                 kMonochromeBitsPerPixel, bits);
    if (!strip->bitmap) return 0;
    strip->dc = CreateCompatibleDC(nullptr);
    if (!strip->dc) return 0;
    strip->previous = SelectObject(strip->dc, strip->bitmap);
    return 1;
}

// The strips copy the bits, so the image is needed only while they are made.
int BuildStrips(const unsigned char* image) {
    for (int k = 0; k < kAtlasStripCount; ++k)
        if (!BuildStrip(&GlyphAtlas[k], image + AtlasStripOffset(k))) return 0;
    return 1;
}

// A screen that cannot be asked keeps the factor 1.
void ReadGlyphScale() {
    HDC screen = GetDC(nullptr);
    if (!screen) return;
    GlyphScale = GlyphScaleForDpi(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
}

}  // namespace

AtlasLoadResult LoadGlyphAtlas() {
    ReadGlyphScale();
    unsigned char* buffer = static_cast<unsigned char*>(std::malloc(kAtlasBufferBytes));
    if (!buffer) return kAtlasNoMemory;
    unsigned long length = kAtlasBufferBytes;
    if (DecompressPayloadResource(IDR_GLYPH_ATLAS, buffer, &length) != Z_OK) {
        std::free(buffer);
        return kAtlasUnreadable;
    }
    FillMissingAtlasRows(buffer, length);
    int built = BuildStrips(buffer);
    std::free(buffer);
    if (built) return kAtlasLoaded;
    DestroyGlyphAtlas();
    return kAtlasNoStrips;
}

void DestroyGlyphAtlas() {
    for (GlyphStrip& strip : GlyphAtlas) {
        if (strip.dc) {
            SelectObject(strip.dc, strip.previous);
            DeleteDC(strip.dc);
        }
        if (strip.bitmap) DeleteObject(strip.bitmap);
        strip = GlyphStrip{nullptr, nullptr, nullptr};
    }
}
