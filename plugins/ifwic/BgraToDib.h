#pragma once
#include <cstddef>
#include <cstdint>

// Bytes per row of a 24-bit DIB of this width: 3 per pixel, padded to a multiple of 4.
std::size_t Bgr24Stride(std::uint32_t width);

// bgra: top-down rows of width × 4 bytes (blue, green, red, straight alpha).
// dib: height × Bgr24Stride(width) bytes, filled bottom-up with each colour composited
// over black (c × a / 255, rounded); padding bytes are zeroed.
void BgraToBottomUpBgr24(const std::uint8_t* bgra, std::uint32_t width, std::uint32_t height,
                         std::uint8_t* dib);
