#pragma once
#include <cstdint>
#include <string>

// How a generated JPEG stores its pixels.
enum class JpegKind {
    Greyscale,  // one component: the decoder's own buffer is a byte a pixel
    Colour,     // YCbCr: three bytes a pixel, as a photo
};

// A valid baseline JPEG of width x height, every pixel mid grey (128, 128, 128). Each
// component has one 8x8 block a unit, DC-only with a zero difference: two bits a block, so a
// 192-megapixel picture takes 0.7 MiB (greyscale) or 2.1 MiB (colour) and is written at once.
std::string MidGreyJpeg(std::uint16_t width, std::uint16_t height, JpegKind kind);
