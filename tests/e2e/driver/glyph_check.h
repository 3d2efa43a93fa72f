// Checking drawn text against the glyph atlas pixel by pixel, and measuring
// MixedText the way the installer does, with the same font.
#ifndef LQ_TESTS_GLYPH_CHECK_H
#define LQ_TESTS_GLYPH_CHECK_H

#include <windows.h>

#include <string>
#include <vector>

#include "driver/screenshot.h"

// The atlas image file (ChnBmp.bin), given to the test as --atlas=PATH.
const std::vector<unsigned char>& AtlasImage();
void SetAtlasPath(const std::string& path);

// The installer's glyph scale on this screen: this process sees the DPI the
// installer sees.
int ScreenGlyphScale();

// Pixels of the block at (x, y), 16 x 16 times scale, that differ from
// code's atlas cell drawn scale times larger, where an ink bit must show as
// ink and a paper bit as paper.
int GlyphMismatches(const Image& image, int x, int y, unsigned code, COLORREF ink, COLORREF paper, int scale = 1);

// The font a dialog template's DS_SETFONT gives its controls.
HFONT CreateDialogFont(const char* face, int pointSize, int weight, int charset);

// MixedText width as the installer measures it on this screen: 16 times the
// glyph scale per two-byte code, each single byte by itself in font.
int MeasureWithFont(HFONT font, const char* text);

#endif
