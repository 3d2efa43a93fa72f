#include "render/bevel_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Beside BevelSegment, where the standard algorithms and gtest look for them.
static bool operator==(const BevelSegment& a, const BevelSegment& b) {
    return a.pen == b.pen && a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1;
}

static std::ostream& operator<<(std::ostream& out, const BevelSegment& s) {
    return out << "pen " << s.pen << " (" << s.x0 << "," << s.y0 << ")-(" << s.x1 << "," << s.y1 << ")";
}

namespace {

const PixelRect kButton = {0, 0, 110, 29};

std::vector<BevelSegment> Segments(const BevelLines& lines) {
    return std::vector<BevelSegment>(lines.segment, lines.segment + lines.count);
}

// The two rings of a 110 x 29 button, with the given light and dark pens.
std::vector<BevelSegment> Rings(BevelPen light, BevelPen dark) {
    return {
        {light, 1, 27, 1, 1},     {light, 1, 1, 108, 1},
        {dark, 108, 1, 108, 27},  {dark, 108, 27, 1, 27},
        {light, 2, 26, 2, 2},     {light, 2, 2, 107, 2},
        {dark, 107, 2, 107, 26},  {dark, 107, 26, 2, 26},
    };
}

std::vector<BevelSegment> Join(std::vector<BevelSegment> a, const std::vector<BevelSegment>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<BevelSegment> kDefaultFrame = {
    {kPenBlack, 0, 28, 0, 0},     {kPenBlack, 0, 0, 109, 0},
    {kPenBlack, 109, 0, 109, 28}, {kPenBlack, 109, 28, 0, 28},
    {kPenBlack, 1, 27, 108, 27},  {kPenBlack, 108, 27, 108, 1},
};

TEST(BevelGeometry, NormalButton) {
    const std::vector<BevelSegment> outer = {{kPenShadow, 1, 28, 109, 28}, {kPenShadow, 109, 28, 109, 0}};
    EXPECT_EQ(Join(Rings(kPenHighlight, kPenShadow), outer), Segments(BevelLinesFor(kButton, 0, 0, 1)));
}

TEST(BevelGeometry, PressedButtonSwapsLightAndDark) {
    const std::vector<BevelSegment> outer = {{kPenHighlight, 1, 28, 109, 28},
                                             {kPenHighlight, 109, 28, 109, 0}};
    EXPECT_EQ(Join(Rings(kPenShadow, kPenHighlight), outer), Segments(BevelLinesFor(kButton, 1, 0, 1)));
}

TEST(BevelGeometry, DefaultButtonIsFramedInBlack) {
    EXPECT_EQ(Join(Rings(kPenHighlight, kPenShadow), kDefaultFrame), Segments(BevelLinesFor(kButton, 0, 1, 1)));
}

TEST(BevelGeometry, PressedDefaultFrameStaysBlack) {
    EXPECT_EQ(Join(Rings(kPenShadow, kPenHighlight), kDefaultFrame), Segments(BevelLinesFor(kButton, 1, 1, 1)));
}

TEST(BevelGeometry, FollowsTheRectanglesOrigin) {
    const int dx = 7, dy = 13;
    const PixelRect moved = {kButton.left + dx, kButton.top + dy, kButton.right + dx, kButton.bottom + dy};
    for (int isDefault = 0; isDefault <= 1; ++isDefault) {
        std::vector<BevelSegment> expected = Segments(BevelLinesFor(kButton, 0, isDefault, 1));
        for (BevelSegment& s : expected) {
            s.x0 += dx, s.x1 += dx;
            s.y0 += dy, s.y1 += dy;
        }
        EXPECT_EQ(expected, Segments(BevelLinesFor(moved, 0, isDefault, 1))) << isDefault;
    }
}

// Paints the segments as GDI does (end point left out) onto a grid of the
// button's size, '.' being the face; a pixel outside the button spoils the
// whole picture.
std::vector<std::string> Raster(const BevelLines& lines, PixelRect r) {
    const char kPenMark[] = {'H', 'S', 'B'};
    std::vector<std::string> grid(r.bottom - r.top, std::string(r.right - r.left, '.'));
    for (int i = 0; i < lines.count; ++i) {
        const BevelSegment& s = lines.segment[i];
        const int stepX = (s.x1 > s.x0) - (s.x1 < s.x0), stepY = (s.y1 > s.y0) - (s.y1 < s.y0);
        for (int x = s.x0, y = s.y0; x != s.x1 || y != s.y1; x += stepX, y += stepY) {
            const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            if (!inside) return {"!"};
            grid[y - r.top][x - r.left] = kPenMark[s.pen];
        }
    }
    return grid;
}

TEST(BevelGeometry, PixelsOfSmallButtons) {
    const PixelRect r = {0, 0, 8, 7};
    // The outer edge's end points, top right and bottom left, keep the face.
    const std::vector<std::string> normal = {
        "........",
        ".HHHHHSS",
        ".HHHHSSS",
        ".HH..SSS",
        ".HHSSSSS",
        ".HSSSSSS",
        ".SSSSSSS",
    };
    const std::vector<std::string> framed = {
        "BBBBBBBB",
        "BHHHHHSB",
        "BHHHHSBB",
        "BHH..SBB",
        "BHHSSSBB",
        "BBBBBBBB",
        "BBBBBBBB",
    };
    EXPECT_EQ(normal, Raster(BevelLinesFor(r, 0, 0, 1), r));
    EXPECT_EQ(framed, Raster(BevelLinesFor(r, 0, 1, 1), r));
}

// At scale k each line of the bevel is k pixels wide: away from the corners
// every row and column is the scale-1 one with each pixel k times over.
TEST(BevelGeometry, GrowsWithTheScale) {
    const PixelRect small = {0, 0, 20, 12};
    for (int scale = 2; scale <= kMaxGlyphScale; ++scale) {
        const PixelRect large = {0, 0, 20 * scale, 12 * scale};
        for (int isDefault = 0; isDefault <= 1; ++isDefault) {
            SCOPED_TRACE(testing::Message() << "scale " << scale << ", default " << isDefault);
            const std::vector<std::string> once = Raster(BevelLinesFor(small, 0, isDefault, 1), small);
            const std::vector<std::string> scaled = Raster(BevelLinesFor(large, 0, isDefault, scale), large);
            ASSERT_EQ(static_cast<size_t>(large.bottom), scaled.size());
            std::string row, column, onceColumn;
            for (char pixel : once[6]) row += std::string(scale, pixel);
            for (const std::string& line : once) column += std::string(scale, line[10]);
            for (const std::string& line : scaled) onceColumn += line[10 * scale];
            EXPECT_EQ(row, scaled[6 * scale]);
            EXPECT_EQ(column, onceColumn);
        }
    }
}

struct PlaceCase {
    const char* what;
    PixelRect item;
    int centred;
    int pressed;
    int width;
    int x;
    int y;
};

TEST(BevelGeometry, PressedCaptionMovesByTheScale) {
    const TextOrigin origin = PlaceCaption(kButton, 0, 1, 70, 32, 2);
    EXPECT_EQ(4, origin.x);
    EXPECT_EQ(-1 + 2, origin.y);  // (29 - 32) / 2 truncates toward zero
}

TEST(BevelGeometry, PlacesCaption) {
    const PlaceCase cases[] = {
        {"centred", kButton, 1, 0, 70, 20, 6},
        {"centred, pressed", kButton, 1, 1, 70, 22, 7},
        {"left", kButton, 0, 0, 70, 0, 6},
        {"left, pressed", kButton, 0, 1, 70, 2, 7},
        {"odd slack rounds toward the left", kButton, 1, 0, 71, 19, 6},
        {"moved item", {10, 20, 120, 49}, 1, 0, 71, 29, 26},
        {"wider than the item", kButton, 1, 0, 130, -10, 6},
        {"odd overflow truncates toward zero", kButton, 1, 0, 131, -10, 6},
        {"lower than the text", {0, 5, 40, 20}, 0, 0, 10, 0, 5},
    };
    for (const PlaceCase& c : cases) {
        TextOrigin origin = PlaceCaption(c.item, c.centred, c.pressed, c.width, 16, 1);
        EXPECT_EQ(c.x, origin.x) << c.what;
        EXPECT_EQ(c.y, origin.y) << c.what;
    }
}

struct FocusCase {
    PixelRect item;
    PixelRect focus;
};

TEST(BevelGeometry, ShrinksFocusByATenthAndAnEighth) {
    const FocusCase cases[] = {
        {kButton, {11, 3, 99, 26}},
        {{5, 5, 125, 45}, {17, 10, 113, 40}},
        {{10, 20, 19, 27}, {10, 20, 19, 27}},  // too small to shrink
        {{0, 0, 19, 15}, {1, 1, 18, 14}},      // divisions truncate
    };
    for (const FocusCase& c : cases) {
        PixelRect focus = ShrinkForFocus(c.item);
        EXPECT_EQ(c.focus.left, focus.left);
        EXPECT_EQ(c.focus.top, focus.top);
        EXPECT_EQ(c.focus.right, focus.right);
        EXPECT_EQ(c.focus.bottom, focus.bottom);
    }
}

}  // namespace
