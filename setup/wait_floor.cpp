#include "setup/wait_floor.h"

std::uint32_t FloorRemainingMs(std::uint32_t startMs, std::uint32_t nowMs, std::uint32_t floorMs) {
    // Unsigned subtraction: the elapsed time stays right across a wrap.
    const std::uint32_t elapsed = nowMs - startMs;
    return elapsed >= floorMs ? 0 : floorMs - elapsed;
}
