#pragma once
// Byte counts of bottom-up DIB rows and of the BMP files the program writes.
#include "portable/DibLayout.h"

#include <array>
#include <cstdint>
#include <optional>

// Bytes of one pixel row (DibStride).
// Empty when width or bitCount is negative or the count does not fit 32 bits.
std::optional<std::uint32_t> RowBytes(std::int32_t width, std::int32_t bitCount);

// Row bytes x |height| (a top-down picture has a negative height); empty when either
// factor is refused or the product does not fit 32 bits.
std::optional<std::uint32_t> ImageBytes(std::int32_t width, std::int32_t height,
                                        std::int32_t bitCount);

// Pixel bytes of a 24-bit DIB the program creates: width and height positive and every
// byte countable in 32 bits, or empty.
std::optional<std::uint32_t> Dib24Bytes(std::int64_t width, std::int64_t height);

// The info block as the file carries it: 40-byte header, plus 256 colour entries at 8 bits.
std::uint32_t BmpInfoSize(std::int32_t bitCount);

// Colour entries of an 8-bit picture's info block that may be read: biClrUsed when it
// names fewer than 256, else 256.
std::uint32_t PaletteEntriesPresent(std::uint32_t clrUsed);

using BmpFileHeaderBytes = std::array<unsigned char, kBmpFileHeaderSize>;

// "BM", bfSize, two zero reserved words and bfOffBits, little-endian; empty when the
// file size does not fit 32 bits.
std::optional<BmpFileHeaderBytes> BmpFileHeader(std::uint32_t infoSize, std::uint32_t imageSize);
