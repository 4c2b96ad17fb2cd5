#pragma once
// The tiny picture format of the test plug-ins: a 4-byte magic, then the info block exactly
// as the plug-in hands it out (a BITMAPINFOHEADER naming width, height and bit depth, and
// whatever follows it), then the pixel block; each block preceded by its length, 32-bit
// little-endian. Passing blocks through unchanged lets a test hand the host any output.
#include "tests/support/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace TestPicture {

inline constexpr char kFirstMagic[] = "TPC1";
inline constexpr char kSecondMagic[] = "TPC2";

struct Blocks {
    const char* info = nullptr;
    std::uint32_t infoSize = 0;
    const char* pixels = nullptr;
    std::uint32_t pixelSize = 0;
};

inline std::string Encode(const char* magic, const std::string& info, const std::string& pixels)
{
    return std::string(magic, 4) + Le32(static_cast<std::uint32_t>(info.size())) + info
           + Le32(static_cast<std::uint32_t>(pixels.size())) + pixels;
}

// False when data does not start with magic or a block runs past size.
inline bool Decode(const char* data, std::size_t size, const char* magic, Blocks& blocks)
{
    auto length = [&](std::size_t at, std::uint32_t& n) {
        if (at + 4 > size)
            return false;
        n = Get32(data + at);
        return true;
    };
    if (size < 4 || std::memcmp(data, magic, 4) != 0 || !length(4, blocks.infoSize)
        || blocks.infoSize > size - 8)
        return false;
    blocks.info = data + 8;
    const std::size_t pixelsAt = 8 + std::size_t{blocks.infoSize};
    if (!length(pixelsAt, blocks.pixelSize) || blocks.pixelSize > size - pixelsAt - 4)
        return false;
    blocks.pixels = data + pixelsAt + 4;
    return true;
}

}  // namespace TestPicture
