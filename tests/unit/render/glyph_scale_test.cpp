#include "render/glyph_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(GlyphScale, NearestWholeFactorHalvesDown) {
    const struct {
        int dpi, scale;
    } cases[] = {{0, 1},   {72, 1},  {96, 1},  {120, 1}, {143, 1}, {144, 1}, {145, 2},
                 {168, 2}, {192, 2}, {240, 2}, {241, 3}, {288, 3}, {384, 4}, {960, 4}, {-96, 1}};
    for (const auto& c : cases) EXPECT_EQ(c.scale, GlyphScaleForDpi(c.dpi)) << c.dpi;
}

TEST(GlyphScale, LicenceRowsHoldTheirLines) {
    EXPECT_EQ(23, LicenceRowHeight(1, 13));  // 96 DPI: as it always was
    EXPECT_EQ(23, LicenceRowHeight(1, 18));  // a line of 18 just fits
    EXPECT_EQ(24, LicenceRowHeight(1, 19));  // 2 + 1 + 19 + 2
    EXPECT_EQ(46, LicenceRowHeight(2, 26));
    EXPECT_EQ(49, LicenceRowHeight(2, 39));  // 4 + 2 + 39 + 4
}

}  // namespace
