#pragma once
#include <cstdint>

// The two bytes of the system's power status (SYSTEM_POWER_STATUS) the battery rule reads,
// with the system's own values.
struct PowerStatus {
    // 0 on battery, 1 on mains, 255 unknown.
    std::uint8_t acLineStatus = 1;
    // 1 while battery saver is on (Windows 10 on; 0 before, where the byte was reserved).
    std::uint8_t systemStatusFlag = 0;
};

// Whether the machine is sparing its battery: it runs on it, or battery saver is on. A line
// state the system cannot tell counts as mains, so a machine that never says still changes.
bool SparesBattery(const PowerStatus& status);
