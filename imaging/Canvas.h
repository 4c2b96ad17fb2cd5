#pragma once
// A bottom-up 24-bit canvas that pictures are placed on, one per monitor.
#include "imaging/Orientation.h"

#include <cstddef>
#include <cstdint>
#include <optional>

struct Canvas24 {
    std::uint8_t* bits;  // rows padded to 4 bytes, the bottom row first
    std::int32_t width;
    std::int32_t height;
};

// Where a picture scaled to fullWidth x fullHeight shows when centred in the place (left,
// top, right, bottom: canvas pixels from its top-left corner), cut at the place's and the
// canvas's edges.
struct Placement {
    PixelWindow window;     // the part that shows, in the scaled picture's own pixels
    std::int32_t canvasX;   // where the window's bottom-left pixel lands,
    std::int32_t canvasRow; // the row counted upwards as the canvas stores them
};

// Centred: an odd pixel left over goes to the right and bottom. Empty when nothing shows.
std::optional<Placement> PlaceCentred(std::int64_t fullWidth, std::int64_t fullHeight,
                                      std::int64_t left, std::int64_t top, std::int64_t right,
                                      std::int64_t bottom, std::int32_t canvasWidth,
                                      std::int32_t canvasHeight);

// Every pixel of the canvas in one colour.
void PaintCanvas(const Canvas24& canvas, std::uint8_t blue, std::uint8_t green,
                 std::uint8_t red) noexcept;

// Turns the canvas round in place so that the pixel at (x, y), counted from its top-left,
// becomes the new top-left; what passes an edge comes back at the other.
void TurnCanvasRound(const Canvas24& canvas, std::int32_t x, std::int32_t y) noexcept;

std::size_t CanvasStride(std::int32_t width) noexcept;
