#include "render/check_box_geometry.h"

#include <gtest/gtest.h>

namespace {

const unsigned long kChildVisibleTabStop = 0x50010000;
const unsigned long kPushButton = 0x00;
const unsigned long kCheckBox = 0x02;
const unsigned long kAutoCheckBox = 0x03;
const unsigned long kRadioButton = 0x04;
const unsigned long kThreeState = 0x05;
const unsigned long kAutoRadioButton = 0x09;
const unsigned long kNotify = 0x4000;

struct MarkCase {
    const char* what;
    PixelRect client;
    unsigned long style;
    PixelRect mark;
    int radioMark;
    int labelX;
    int labelY;
};

// Face heights 24 and 17: the client grown by 2 on every side.
TEST(CheckBoxGeometry, MarkAndLabelByStyle) {
    const PixelRect tall = {0, 0, 200, 20}, shortBox = {0, 0, 150, 13};
    const MarkCase cases[] = {
        {"check box", tall, kCheckBox, {1, 3, 13, 13}, 0, 25, 1},
        {"auto check box with other style bits", tall,
         kChildVisibleTabStop | kNotify | kAutoCheckBox, {1, 3, 13, 13}, 0, 25, 1},
        {"short check box", shortBox, kAutoCheckBox, {0, 1, 9, 8}, 0, 18, 1},
        {"radio button", tall, kRadioButton, {-1, 1, 16, 18}, 1, 33, 1},
        {"auto radio button", tall, kAutoRadioButton, {-1, 1, 16, 18}, 1, 33, 1},
        {"short radio button", shortBox, kAutoRadioButton, {-2, 0, 11, 12}, 1, 24, 1},
        {"3-state: other geometry, check mark", tall, kThreeState, {-1, 1, 16, 18}, 0, 33, 1},
        {"push button: other geometry, check mark", tall, kPushButton, {-1, 1, 16, 18}, 0, 33, 1},
    };
    for (const MarkCase& c : cases) {
        CheckBoxLayout layout = LayOutCheckBox(c.client, c.style, 1);
        EXPECT_EQ(c.client.left - 2, layout.face.left) << c.what;
        EXPECT_EQ(c.client.top - 2, layout.face.top) << c.what;
        EXPECT_EQ(c.client.right + 2, layout.face.right) << c.what;
        EXPECT_EQ(c.client.bottom + 2, layout.face.bottom) << c.what;
        EXPECT_EQ(c.mark.left, layout.mark.left) << c.what;
        EXPECT_EQ(c.mark.top, layout.mark.top) << c.what;
        EXPECT_EQ(c.mark.right, layout.mark.right) << c.what;
        EXPECT_EQ(c.mark.bottom, layout.mark.bottom) << c.what;
        EXPECT_EQ(c.radioMark, layout.radioMark) << c.what;
        EXPECT_EQ(c.labelX, layout.labelX) << c.what;
        EXPECT_EQ(c.labelY, layout.labelY) << c.what;
    }
}

TEST(CheckBoxGeometry, FocusRectangleFramesTheLabel) {
    const CheckBoxLayout layout = LayOutCheckBox(PixelRect{0, 0, 200, 20}, kAutoCheckBox, 1);
    const PixelRect focus = CheckBoxFocusRect(layout, 100, 1);
    EXPECT_EQ(24, focus.left);
    EXPECT_EQ(0, focus.top);
    EXPECT_EQ(128, focus.right);
    EXPECT_EQ(19, focus.bottom);
}

// At scale 2 the label sits two pixels below the client top and its frame,
// two pixels wide, clears a 32-pixel-high line.
TEST(CheckBoxGeometry, LabelAndFocusFollowTheScale) {
    const CheckBoxLayout layout = LayOutCheckBox(PixelRect{0, 0, 400, 40}, kAutoCheckBox, 2);
    EXPECT_EQ(2, layout.labelY);
    const PixelRect focus = CheckBoxFocusRect(layout, 200, 2);
    EXPECT_EQ(layout.labelX - 2, focus.left);
    EXPECT_EQ(0, focus.top);
    EXPECT_EQ(layout.labelX + 200 + 6, focus.right);
    EXPECT_EQ(2 + 32 + 4, focus.bottom);
}

}  // namespace
