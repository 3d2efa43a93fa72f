// The generator places every glyph where the installer's lookup reads it.
#include <gtest/gtest.h>

#include "atlas_layout.h"
#include "render/glyph_locate.h"

namespace {

TEST(GeneratorMatchesReader, EveryGeneratedCellIsWhereLocateGlyphLooks) {
    int checked = 0;
    for (unsigned code = 0x8000; code <= 0xFFFF; ++code) {
        int cell = atlas::CellForCode(static_cast<std::uint16_t>(code));
        if (cell == atlas::kNoCell) continue;
        atlas::CellPosition written = atlas::CellPositionOf(cell);
        int x = -1, y = -1, strip = -1;
        ASSERT_EQ(1, LocateGlyph(code, &x, &y, &strip));
        ASSERT_EQ(written.strip, strip) << std::hex << code;
        ASSERT_EQ(written.x, x) << std::hex << code;
        ASSERT_EQ(written.y, y) << std::hex << code;
        ++checked;
    }
    // Rows 1 to 7 and the hanzi rows 16 to 87, 94 codes each, and the two extras.
    EXPECT_EQ(7 * 94 + 72 * 94 + 2, checked);
}

}  // namespace
