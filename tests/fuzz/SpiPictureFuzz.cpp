// libFuzzer target: arbitrary info and pixel blocks, as a plug-in might hand them out, through
// CheckSpiPicture and NormalizeSpiPicture. Each block sits in its own allocation of exactly its
// size, so any read past either end is caught by AddressSanitizer.
#include "tests/fuzz/FuzzCheck.h"
#include "imaging/SpiPicture.h"
#include "tests/support/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // Two bytes give the info block's size; the rest after it is the pixel block.
    const std::size_t wanted = data[0] | (data[1] << 8);
    const std::size_t infoSize = wanted < size - 2 ? wanted : size - 2;
    const std::vector<std::uint8_t> info(data + 2, data + 2 + infoSize);
    const std::vector<std::uint8_t> pixels(data + 2 + infoSize, data + size);

    const std::optional<SpiPictureLayout> layout =
        CheckSpiPicture(info.data(), info.size(), pixels.size());
    if (!layout)
        return 0;
    Check(layout->width > 0 && layout->height > 0);
    Check(layout->width <= kMaxPictureSide && layout->height <= kMaxPictureSide);
    Check(layout->stride * static_cast<std::size_t>(layout->height) <= pixels.size());
    Check(layout->stride == DibStride(layout->width, layout->bitCount));

    const SpiDib dib = NormalizeSpiPicture(*layout, info.data(), pixels.data());
    Check(dib.info.size() == kDibInfoSize);
    Check(Get32(dib.info, 0) == kDibHeaderSize);
    Check(Get32(dib.info, 8) == static_cast<std::uint32_t>(layout->height));
    Check(Get32(dib.info, 16) == 0);
    const auto bits = static_cast<std::uint16_t>(Get16(dib.info, 14));
    Check(bits == 1 || bits == 4 || bits == 8 || bits == 24);
    const auto rows = static_cast<std::size_t>(DibStride(layout->width, bits)) * layout->height;
    if (dib.pixels.empty())
        Check(!layout->topDown && bits == layout->bitCount);
    else
        Check(dib.pixels.size() == rows);
    return 0;
}
