#pragma once
#include "imaging/JpegDecode.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// How a generated JPEG stores its pixels.
enum class JpegKind {
    Greyscale,  // one component: the decoder's own buffer is a byte a pixel
    Colour,     // YCbCr: three bytes a pixel, as a photo
};

// A valid baseline JPEG of width x height, every pixel mid grey (128, 128, 128). Each
// component has one 8x8 block a unit, DC-only with a zero difference: two bits a block, so a
// 192-megapixel picture takes 0.7 MiB (greyscale) or 2.1 MiB (colour) and is written at once.
// progressive: one scan of the DC values alone (a bit a block), which a decoder must still
// gather whole before it shows a row.
std::string MidGreyJpeg(std::uint16_t width, std::uint16_t height, JpegKind kind,
                        bool progressive = false);

// How EncodedJpeg stores a picture.
enum class JpegColours {
    Greyscale,
    YCbCr,
    Rgb,   // three components without a colour transform
    Cmyk,  // Adobe's: each ink inverted, 255 for none
    Ycck,  // the same inks, transformed as YCbCr plus K
};
struct JpegStyle {
    JpegColours colours = JpegColours::YCbCr;
    int hSample = 1;  // the first component's sampling factors; 2 x 2 is 4:2:0
    int vSample = 1;
    bool progressive = false;
    bool arithmetic = false;
    int restartRows = 0;  // MCU rows between restart markers
};

// A JPEG of width x height encoded by libjpeg-turbo at quality 95, pixel (x, y from the
// top) colour(x, y), 0xRRGGBB.
std::string EncodedJpeg(int width, int height, const JpegStyle& style,
                        const std::function<std::uint32_t(int x, int y)>& colour);

// Bottom-up 24-bit rows, as a DIB holds them.
struct JpegRows {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::size_t stride = 0;
    std::vector<std::uint8_t> bytes;  // empty when the decoding unit refused
    // 0xRRGGBB at (x, y from the top).
    std::uint32_t Pixel(std::uint32_t x, std::uint32_t y) const;
};

// part of file through the decoding unit, into rows of exactly its size; a part with no
// width is the whole picture at part.scale.
JpegRows DecodedJpeg(const std::string& file, JpegPart part, std::size_t memoryLimit = 64 << 20);
