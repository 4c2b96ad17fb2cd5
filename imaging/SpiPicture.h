#pragma once
// What the host makes of a plug-in's two result blocks before reading them: SpiPictureLayout
// (the checked layout) and SpiDib (the form every drawing and writing works from).
#include "portable/DibLayout.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The info block the host keeps: a BITMAPINFOHEADER and 256 colour entries.
inline constexpr std::size_t kDibInfoSize = kDibHeaderSize + kDibPaletteEntries * 4;
// Pictures beyond this many pixels a side are refused as damaged.
inline constexpr std::int32_t kMaxPictureSide = 65536;

struct SpiPictureLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;  // rows, positive even for a top-down picture
    bool topDown = false;
    std::uint16_t bitCount = 0;
    std::uint32_t headerSize = 0;  // where a colour table starts
    std::uint32_t colorCount = 0;  // colour entries of a picture of 8 bits or fewer
    std::uint32_t masks[3] = {};   // red, green, blue of a 16- or 32-bit picture
    std::size_t stride = 0;        // bytes per row
};

// Checks an info block and the size of a pixel block as a plug-in handed them out (sizes are
// the blocks' real sizes) so that reading them as a DIB stays inside both. No value when the
// header is short or unknown, a side is 0 or too large, the bit count or compression is not
// one of BITMAPINFO's plain forms, the colour table or bit fields are cut short, or the
// pixel block is smaller than stride × height.
std::optional<SpiPictureLayout> CheckSpiPicture(const std::uint8_t* info, std::size_t infoSize,
                                                std::size_t pixelSize);

// A checked picture in the form the host draws and writes: a kDibInfoSize block with a
// 40-byte header (bottom-up, BI_RGB, bit count 1, 4, 8 or 24) and the colour table padded
// with zeros; pixels hold converted rows, or are empty when the plug-in's own rows serve
// unchanged (bottom-up at 1, 4, 8 or 24 bits). 16- and 32-bit pictures become 24 bits:
// 8-bit channels keep their values, narrower ones are widened by repeating their bits.
struct SpiDib {
    std::vector<std::uint8_t> info;
    std::vector<std::uint8_t> pixels;
};

SpiDib NormalizeSpiPicture(const SpiPictureLayout& layout, const std::uint8_t* info,
                           const std::uint8_t* pixels);
