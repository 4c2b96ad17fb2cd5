#pragma once
// The size a picture takes when fitted to or filling the desktop, aspect ratio kept.
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

// The size covering the desktop: scaled by the larger of the two ratios, so one side equals
// the desktop's and the other is at least the desktop's. Empty as FitSize, and also when
// the scaled side is beyond 32-bit sizes.
std::optional<FittedSize> FillSize(std::int64_t width, std::int64_t height,
                                   std::int64_t desktopWidth, std::int64_t desktopHeight);
