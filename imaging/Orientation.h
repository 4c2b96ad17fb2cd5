#pragma once
// A picture shown under an EXIF orientation (1 to 8), read straight from its stored pixels.
#include <cstddef>
#include <cstdint>

// Where the pixels of the shown picture lie in the stored bottom-up 24-bit rows (padded to
// 4 bytes): pixel (x, row) of the shown picture, rows counted upwards as a DIB's are, starts
// origin + row * rowStep + x * pixelStep bytes into the stored ones.
struct TurnedView {
    std::int32_t width = 0;  // as shown: the stored sides swap for orientations 5 to 8
    std::int32_t height = 0;
    std::ptrdiff_t origin = 0;
    std::ptrdiff_t rowStep = 0;
    std::ptrdiff_t pixelStep = 0;
};

// The view of a width x height picture (each side at least 1); any orientation but 2 to 8
// shows it as stored.
TurnedView TurnView(int orientation, std::int32_t width, std::int32_t height) noexcept;
// The same for stored rows stride bytes apart: a part of a larger picture, or a decoder's own.
TurnedView TurnView(int orientation, std::int32_t width, std::int32_t height,
                    std::ptrdiff_t stride) noexcept;

// Orientations 5 to 8 show the stored width as the height.
bool SwapsSides(int orientation) noexcept;

// A part of a picture: width x height pixels from (left, bottom), rows counted upwards.
struct PixelWindow {
    std::int32_t left = 0;
    std::int32_t bottom = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The part of a width x height stored picture that shows as window under the orientation:
// the view of that part alone (TurnView over its own pixels) shows exactly the window.
PixelWindow StoredWindow(int orientation, std::int32_t width, std::int32_t height,
                         const PixelWindow& window) noexcept;

// Writes the shown picture into dst, bottom-up 24-bit rows of view.width x view.height.
void CopyTurned(const std::uint8_t* src, const TurnedView& view, std::uint8_t* dst) noexcept;
// Writes window of the shown picture into rows of dstStride bytes from dst.
void CopyTurned(const std::uint8_t* src, const TurnedView& view, const PixelWindow& window,
                std::uint8_t* dst, std::size_t dstStride) noexcept;
