#pragma once
#include <cstdint>

// bgra: top-down rows of width × 4 bytes (blue, green, red, straight alpha).
// dib: height × DibStride(width, 24) bytes, filled bottom-up with each colour composited
// over black (c × a / 255, rounded); padding bytes are zeroed.
void BgraToBottomUpBgr24(const std::uint8_t* bgra, std::uint32_t width, std::uint32_t height,
                         std::uint8_t* dib);
