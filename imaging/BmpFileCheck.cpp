#include "imaging/BmpFileCheck.h"

#include "portable/ByteOrder.h"
#include "portable/DibLayout.h"

namespace {

// Every other layout constant comes from the DIB layout; this one the check needs as 64 bits.
constexpr std::uint64_t kFileHeaderSize = kBmpFileHeaderSize;

}  // namespace

bool BmpFitsInFile(const std::uint8_t* data, std::size_t size)
{
    if (size < 2 || data[0] != 'B' || data[1] != 'M')
        return true;
    if (size < kFileHeaderSize + 4)
        return false;
    const std::uint64_t offBits = Le32(data + 10);
    const std::uint32_t infoSize = Le32(data + 14);
    const bool core = infoSize == kDibCoreHeaderSize;
    if ((!core && infoSize < kDibHeaderSize) || kFileHeaderSize + infoSize > size)
        return false;

    const std::uint8_t* info = data + kFileHeaderSize;
    const std::int64_t width = core ? Le16(info + 4) : static_cast<std::int32_t>(Le32(info + 4));
    const std::int64_t height = core ? Le16(info + 6) : static_cast<std::int32_t>(Le32(info + 8));
    const std::uint32_t bitCount = Le16(info + (core ? 10 : 14));
    const std::uint32_t compression = core ? kBiRgb : Le32(info + 16);
    const std::uint64_t clrUsed = core ? 0 : Le32(info + 32);
    if (width <= 0 || height == 0)
        return false;

    bool encoded = false;  // run-length rows have no fixed size
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
        encoded = (bitCount == 8 && compression == kBiRle8)
                  || (bitCount == 4 && compression == kBiRle4);
        if (compression != kBiRgb && !encoded)
            return false;
        if (clrUsed > (1u << bitCount))
            return false;
        break;
    case 16:
    case 32:
        if (compression != kBiRgb && compression != kBiBitfields)
            return false;
        break;
    case 24:
        if (compression != kBiRgb)
            return false;
        break;
    default:
        return false;
    }

    // Bit fields follow a 40-byte header; the colour table follows the header and fields.
    std::uint64_t tableAt = kFileHeaderSize + infoSize;
    if (compression == kBiBitfields && infoSize == kDibHeaderSize)
        tableAt += 12;
    const std::uint64_t entries = bitCount <= 8 && clrUsed == 0 ? (1u << bitCount) : clrUsed;
    const std::uint64_t tableEnd = tableAt + entries * (core ? 3 : 4);
    if (tableAt > size || (bitCount <= 8 && tableEnd > size))
        return false;

    if (offBits > size)
        return false;
    if (encoded)
        return true;
    // Some writers leave out the last row's padding; decoders read that row's pixels only.
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bitCount + 7) / 8;
    const std::uint64_t stride = (rowBytes + 3) / 4 * 4;
    const std::uint64_t available = size - offBits;
    if (rowBytes > available)
        return false;
    return rows == 1 || stride <= (available - rowBytes) / (rows - 1);
}
