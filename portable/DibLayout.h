#pragma once
// The layout of device-independent bitmaps and BMP files: header sizes, field offsets of a
// BITMAPINFOHEADER, compression codes and the row stride.
#include <cstddef>
#include <cstdint>

inline constexpr std::uint32_t kBmpFileHeaderSize = 14;  // "BM", bfSize, reserved, bfOffBits
inline constexpr std::uint32_t kDibCoreHeaderSize = 12;  // the old OS/2 header: 16-bit sides
inline constexpr std::uint32_t kDibHeaderSize = 40;      // BITMAPINFOHEADER
inline constexpr std::uint32_t kDibPaletteEntries = 256;

// Field offsets of a BITMAPINFOHEADER.
namespace DibField {
inline constexpr std::size_t kSize = 0;
inline constexpr std::size_t kWidth = 4;
inline constexpr std::size_t kHeight = 8;
inline constexpr std::size_t kPlanes = 12;
inline constexpr std::size_t kBitCount = 14;
inline constexpr std::size_t kCompression = 16;
inline constexpr std::size_t kSizeImage = 20;
inline constexpr std::size_t kClrUsed = 32;
inline constexpr std::size_t kClrImportant = 36;
inline constexpr std::size_t kMasks = 40;  // bit fields follow the 40 bytes
}  // namespace DibField

inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kBiRle8 = 1;
inline constexpr std::uint32_t kBiRle4 = 2;
inline constexpr std::uint32_t kBiBitfields = 3;

// Bytes per row: width × bitCount bits, padded to a multiple of 4 bytes.
constexpr std::uint64_t DibStride(std::uint64_t width, std::uint32_t bitCount) noexcept
{
    return (width * bitCount + 31) / 32 * 4;
}
