#pragma once
// Where a picture's preview goes inside a box taken to be 4:3.
#include <cstdint>
#include <optional>

struct PreviewRect {
    std::int32_t x;
    std::int32_t y;
    std::int32_t cx;
    std::int32_t cy;
};

// Narrower than 4:3: full height, centred horizontally; wider: full width, centred
// vertically; exactly 4:3: the whole box. Empty when the picture has no area or the box's
// sides do not fit 32 bits.
std::optional<PreviewRect> PreviewLayout(std::int32_t pictureWidth, std::int32_t pictureHeight,
                                         std::int32_t left, std::int32_t top,
                                         std::int32_t right, std::int32_t bottom);
