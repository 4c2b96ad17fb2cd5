#pragma once
#include <cstdint>
#include <functional>
#include <string>

// A w × h 24-bit bottom-up BMP file whose pixel (x, y counted from the top) is colour(x, y),
// 0xRRGGBB; every header field filled in, the image size too.
std::string Bmp24(int width, int height, const std::function<std::uint32_t(int x, int y)>& colour);

// A w × h 24-bit BMP file of one colour, 0xRRGGBB.
std::string SolidBmp(int width, int height, std::uint32_t rgb);
