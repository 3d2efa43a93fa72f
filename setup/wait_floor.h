// The least time the installation keeps the wizard busy, counted on the
// system's millisecond tick (which wraps after about 49.7 days). Platform-free.
#ifndef LQ_SETUP_WAIT_FLOOR_H
#define LQ_SETUP_WAIT_FLOOR_H

#include <cstdint>

// Five full seconds, however quick the installation was.
const std::uint32_t kInstallationFloorMs = 5000;

// Milliseconds still to wait at tick nowMs for a floor of floorMs counted
// from tick startMs; 0 once it has passed. A tick that wrapped in between is
// counted correctly.
std::uint32_t FloorRemainingMs(std::uint32_t startMs, std::uint32_t nowMs, std::uint32_t floorMs);

#endif
