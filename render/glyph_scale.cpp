#include "render/glyph_scale.h"

#include "render/mixed_text_walk.h"

namespace {

const int kBaseDpi = 96;
const int kBaseRowHeight = 23;

}  // namespace

int GlyphScaleForDpi(int dpi) {
    // (dpi + 47) / 96 rounds to the nearest, halves downward.
    const int scale = (dpi + kBaseDpi / 2 - 1) / kBaseDpi;
    if (scale < 1) return 1;
    return scale > kMaxGlyphScale ? kMaxGlyphScale : scale;
}

int LicenceRowHeight(int scale, int fontHeight) {
    const int rows = kBaseRowHeight * scale;
    const int line = 2 * kLicenceRowMargin * scale + kSingleByteDrop * scale + fontHeight;
    return line > rows ? line : rows;
}
