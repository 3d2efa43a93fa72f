// The GlyphAtlas in memory: four monochrome strips, each selected into a
// memory drawing context for the whole run, so that drawing a Chinese
// character is one block transfer. Built once at start-up from resource 110;
// read-only afterwards.
#ifndef LQ_RENDER_GLYPH_ATLAS_H
#define LQ_RENDER_GLYPH_ATLAS_H

#include <windows.h>

#include "render/atlas_format.h"

struct GlyphStrip {
    HBITMAP bitmap;    // null: not created
    HDC dc;            // null: not created (drawing from it then draws nothing)
    HGDIOBJ previous;  // what dc held before the bitmap, put back at teardown
};

extern GlyphStrip GlyphAtlas[kAtlasStripCount];

// The glyph scale of this screen (glyph_scale): 1 until the atlas is loaded,
// then set from the screen's DPI for the whole run. Its DPI is the one the
// program sees, declared aware of it in its manifest.
extern int GlyphScale;

enum AtlasLoadResult {
    kAtlasLoaded,
    kAtlasNoMemory,    // the decompression buffer could not be allocated
    kAtlasUnreadable,  // resource missing or not decompressible
    kAtlasNoStrips,    // a bitmap or drawing context could not be created
};

// Sets GlyphScale, decompresses resource 110 and builds the four strips. On
// any failure nothing is left allocated.
AtlasLoadResult LoadGlyphAtlas();

// Releases every strip that exists; safe on a partly built atlas.
void DestroyGlyphAtlas();

#endif
