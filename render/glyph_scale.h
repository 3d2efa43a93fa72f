// How the drawn Chinese grows with the screen: one whole factor for the run,
// the one nearest to DPI / 96, so that every glyph cell is drawn as k x k
// blocks of its pixels and stays sharp, and the sizes that follow it (line
// heights, list rows, bevels, focus frames). At 96 DPI the factor is 1 and
// every size is the one the program always had. Platform-free.
#ifndef LQ_RENDER_GLYPH_SCALE_H
#define LQ_RENDER_GLYPH_SCALE_H

// The largest factor: 64-pixel glyphs, for 384 DPI and more.
const int kMaxGlyphScale = 4;

// The factor for a screen of dpi dots per inch: the whole number nearest to
// dpi / 96, and at an exact half the smaller one, since the dialog layout
// grows by dpi / 96 itself and the glyphs must not outgrow it; at least 1,
// at most kMaxGlyphScale.
int GlyphScaleForDpi(int dpi);

// The Chinese licence's list rows: text drawn kLicenceRowMargin x scale
// pixels inside the row.
const int kLicenceRowMargin = 2;

// A row's height: 23 pixels at factor 1, growing with it, and never less
// than the margins around a single-byte line of fontHeight pixels (drawn one
// scaled pixel lower than the glyphs), so that no descender is clipped.
int LicenceRowHeight(int scale, int fontHeight);

#endif
