#include "setup/pointer_rule.h"

#include <gtest/gtest.h>

namespace {

struct PointerCase {
    const char* name;
    ScreenRect rect;
    ScreenPoint pointer;
    int moves;
    ScreenPoint target;
};

const PointerCase kCases[] = {
    {"inside stays", {100, 50, 783, 420}, {300, 200}, 0, {0, 0}},
    {"top-left corner is inside", {100, 50, 783, 420}, {100, 50}, 0, {0, 0}},
    {"last pixel is inside", {100, 50, 783, 420}, {782, 419}, 0, {0, 0}},
    {"right edge is outside", {100, 50, 783, 420}, {783, 200}, 1, {441, 235}},
    {"bottom edge is outside", {100, 50, 783, 420}, {300, 420}, 1, {441, 235}},
    {"left of it", {100, 50, 783, 420}, {0, 0}, 1, {441, 235}},
    {"odd sizes drop the half pixel", {0, 0, 5, 7}, {9, 9}, 1, {2, 3}},
    {"left of the screen", {-101, -51, 0, 0}, {10, 10}, 1, {-51, -26}},
};

TEST(PointerRule, MovesOnlyAPointerOutsideToTheCentre) {
    for (const PointerCase& c : kCases) {
        ScreenPoint target = {-7, -7};
        EXPECT_EQ(c.moves, PointerTarget(c.rect, c.pointer, &target)) << c.name;
        if (c.moves) {
            EXPECT_EQ(c.target.x, target.x) << c.name;
            EXPECT_EQ(c.target.y, target.y) << c.name;
        } else {
            EXPECT_EQ(-7, target.x) << c.name << ": target written for a pointer inside";
        }
    }
}

}  // namespace
