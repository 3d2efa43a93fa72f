// Walking a MixedText: a zero-terminated byte string in which a byte of 0x80
// or more leads a two-byte code drawn from the GlyphAtlas and any other byte
// is a single-byte character in the drawing context's font. Owns the byte
// rule and the measuring sum; the caller supplies the single-byte widths.
// Platform-free.
#ifndef LQ_RENDER_MIXED_TEXT_WALK_H
#define LQ_RENDER_MIXED_TEXT_WALK_H

#include "render/atlas_format.h"

// A MixedText line is as high as a glyph cell, whatever the font: this at
// glyph scale 1, and as many times that as the scale.
const int kMixedTextHeight = kGlyphSize;
// Single bytes sit this much lower than the glyph cells (times the scale).
const int kSingleByteDrop = 1;

// One character of a MixedText.
struct MixedChar {
    unsigned code;  // a glyph's lead x 256 + trail, or the single byte itself
    int isGlyph;    // 1: a two-byte code, 16 pixels wide
    int byteCount;  // bytes to step over: 2, or 1 for a single byte and for a
                    // last lead byte (its trail is the terminator); 0 at the end
};

// Reads the character that starts at at. The trail byte is taken whatever its
// value, so a lead byte never lets the byte after it stand alone.
MixedChar ReadMixedChar(const char* at);

// Width of one single-byte character: returns 1 and writes *width, or 0 when
// the width cannot be obtained.
typedef int (*SingleByteWidthFn)(void* context, char byte, int* width);

// Sum of the characters' own widths: glyphWidth per glyph (16 times the
// glyph scale), widthOf for each single byte (nothing when it fails); no
// kerning between characters.
int MeasureMixedWidth(const char* text, SingleByteWidthFn widthOf, void* context, int glyphWidth);

#endif
