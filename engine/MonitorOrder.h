#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One monitor's rectangle on the virtual screen, as the system reports it.
struct MonitorBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool primary = false;
};

// The order in which monitors take the pictures of a walk: the primary first, then by left
// edge, then by top edge, so that the first picture is where the user looks first.
void SortMonitors(std::vector<MonitorBox>& monitors);

// A screen as stored, to tell a new one from it: the virtual screen, then each monitor in
// picture order, each rectangle as four little-endian 32-bit numbers (left, top, right,
// bottom).
std::string ScreenBytes(const MonitorBox& screen, const std::vector<MonitorBox>& monitors);
