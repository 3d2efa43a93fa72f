// Where a two-byte code's 16 x 16 cell lies in the GlyphAtlas: the mapping
// from GBK codes to cell numbers and from cell numbers to strip and pixel
// position. Platform-free; relies on the strip layout of atlas_format.h.
#ifndef LQ_RENDER_GLYPH_LOCATE_H
#define LQ_RENDER_GLYPH_LOCATE_H

// The cell of a two-byte code (lead byte in the high half; higher bits are
// ignored). GB2312 rows 1 to 7 and 16 to 87 land on their own cells; every
// other code still yields a number, possibly beyond the atlas's capacity.
unsigned GlyphCell(unsigned code);

// Writes the top-left pixel of code's cell within its strip and the strip
// index (0 to 3). Cells beyond the last strip fold into strip 3, so the
// position always lies inside a strip. Always returns 1.
int LocateGlyph(unsigned code, int* x, int* y, int* strip);

#endif
