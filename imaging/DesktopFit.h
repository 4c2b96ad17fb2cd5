#pragma once
// The size a picture takes when fitted to the desktop with its aspect ratio kept.
#include <cstdint>
#include <optional>

struct FittedSize {
    std::int64_t width;
    std::int64_t height;
    // The scale is exactly 1: the picture is copied at its own size, not resampled.
    bool copy;
};

// One side equals the desktop's, the other follows the picture's ratio (truncated, but at
// least 1). Empty when the picture or the desktop has no area or is beyond 32-bit sizes.
std::optional<FittedSize> FitSize(std::int64_t width, std::int64_t height,
                                  std::int64_t desktopWidth, std::int64_t desktopHeight);
