#pragma once
#include <cstdint>
#include <string>

// Uncompressed 8-bit RGB of top-down rows in one strip. The directory sits before the
// pixels, or after them as writers built on the common TIFF library put it; an orientation
// entry is added when orientation is not 0.
std::string Tiff(std::uint16_t width, std::uint16_t height, const std::string& rgb,
                 bool directoryLast = false, std::uint16_t orientation = 0);
