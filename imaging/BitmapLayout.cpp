#include "imaging/BitmapLayout.h"

#include "portable/ByteOrder.h"

#include <cstdlib>
#include <limits>

namespace {

constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();

}  // namespace

std::optional<std::uint32_t> RowBytes(std::int32_t width, std::int32_t bitCount)
{
    if (width < 0 || bitCount < 0)
        return std::nullopt;
    const std::uint64_t bytes =
        DibStride(static_cast<std::uint64_t>(width), static_cast<std::uint32_t>(bitCount));
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
    return bitCount == 8 ? kDibHeaderSize + kDibPaletteEntries * 4 : kDibHeaderSize;
}

std::uint32_t PaletteEntriesPresent(std::uint32_t clrUsed)
{
    return clrUsed != 0 && clrUsed < kDibPaletteEntries ? clrUsed : kDibPaletteEntries;
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
    PutLe32(&header[2], static_cast<std::uint32_t>(fileSize));
    PutLe32(&header[10], static_cast<std::uint32_t>(offBits));
    return header;
}
