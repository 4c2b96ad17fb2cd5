#pragma once
#include <cstdint>

// The bilinear fill written plainly, one byte at a time, as the scaler is defined: the
// yardstick the fast BilinearFill must match byte for byte.
void ReferenceFill(const std::uint8_t* src, std::int32_t width, std::int32_t height,
                   std::uint8_t* dst, std::int32_t outWidth, std::int32_t outHeight);
