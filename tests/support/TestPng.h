#pragma once
#include <cstdint>
#include <string>

// A valid 8-bit RGBA PNG of top-down rows (width × 4 bytes each), deflate-stored.
std::string Png(std::uint32_t width, std::uint32_t height, const std::string& rgba);
