#include "setup/wait_floor.h"

#include <gtest/gtest.h>

namespace {

struct FloorCase {
    std::uint32_t start, now, remaining;
};

const FloorCase kCases[] = {
    {1000, 1000, 5000},
    {1000, 1001, 4999},
    {1000, 5999, 1},
    {1000, 6000, 0},
    {1000, 90000, 0},
    // The tick wraps after 2^32 ms.
    {0xFFFFF000u, 0xFFFFFFFFu, 5000 - 0xFFF},
    {0xFFFFF000u, 0x00000100u, 5000 - 0x1100},
    {0xFFFFF000u, 0x00000388u, 0},
};

TEST(WaitFloor, CountsFiveFullSecondsAcrossAWrap) {
    for (const FloorCase& c : kCases)
        EXPECT_EQ(c.remaining, FloorRemainingMs(c.start, c.now, kInstallationFloorMs))
            << c.start << " -> " << c.now;
}

}  // namespace
