#include "imaging/BitmapLayout.h"

#include <cstdlib>
#include <limits>

namespace {

constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();

void PutLittleEndian(unsigned char* out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

std::optional<std::uint32_t> RowBytes(std::int32_t width, std::int32_t bitCount)
{
    if (width < 0 || bitCount < 0)
        return std::nullopt;
    const std::uint64_t bytes =
        (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) / 8 + 3) &
        ~std::uint64_t{3};
    if (bytes > kMax32)
        return std::nullopt;
    return static_cast<std::uint32_t>(bytes);
}

std::optional<std::uint32_t> ImageBytes(std::int32_t width, std::int32_t height,
                                        std::int32_t bitCount)
{
    const std::optional<std::uint32_t> row = RowBytes(width, bitCount);
    if (!row)
        return std::nullopt;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::llabs(height));
    const std::uint64_t bytes = *row * rows;
    if (rows != 0 && bytes / rows != *row)
        return std::nullopt;
    if (bytes > kMax32)
        return std::nullopt;
    return static_cast<std::uint32_t>(bytes);
}

std::optional<std::uint32_t> Dib24Bytes(std::int64_t width, std::int64_t height)
{
    constexpr std::int64_t kMaxInt32 = std::numeric_limits<std::int32_t>::max();
    if (width <= 0 || height <= 0 || width > kMaxInt32 || height > kMaxInt32)
        return std::nullopt;
    return ImageBytes(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height), 24);
}

std::uint32_t BmpInfoSize(std::int32_t bitCount)
{
    return bitCount == 8 ? kBmpInfoHeaderSize + kBmpPaletteEntries * 4 : kBmpInfoHeaderSize;
}

std::uint32_t PaletteEntriesPresent(std::uint32_t clrUsed)
{
    return clrUsed != 0 && clrUsed < kBmpPaletteEntries ? clrUsed : kBmpPaletteEntries;
}

std::optional<BmpFileHeaderBytes> BmpFileHeader(std::uint32_t infoSize, std::uint32_t imageSize)
{
    const std::uint64_t offBits = std::uint64_t{kBmpFileHeaderSize} + infoSize;
    const std::uint64_t fileSize = offBits + imageSize;
    if (fileSize > kMax32)
        return std::nullopt;
    BmpFileHeaderBytes header{};
    header[0] = 'B';
    header[1] = 'M';
    PutLittleEndian(&header[2], static_cast<std::uint32_t>(fileSize), 4);
    PutLittleEndian(&header[10], static_cast<std::uint32_t>(offBits), 4);
    return header;
}
