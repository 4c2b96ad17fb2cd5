#include "imaging/ExifOrientation.h"

#include <algorithm>

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

// A TIFF structure (the file itself, or the block after "Exif\0\0"): IFD0's orientation
// entry. Every offset is checked against the block; no offset is followed twice.
int TiffOrientation(const std::uint8_t* block, std::size_t size) noexcept
{
    if (size < 8)
        return 1;
    const bool little = block[0] == 'I' && block[1] == 'I';
    if (!little && !(block[0] == 'M' && block[1] == 'M'))
        return 1;
    auto u16 = [&](std::size_t at) -> std::uint32_t {
        return little ? block[at] | (block[at + 1] << 8) : (block[at] << 8) | block[at + 1];
    };
    auto u32 = [&](std::size_t at) -> std::uint32_t {
        return little ? u16(at) | (u16(at + 2) << 16) : (u16(at) << 16) | u16(at + 2);
    };
    if (u16(2) != 42)
        return 1;
    const std::uint32_t ifd = u32(4);
    if (ifd > size - 2)
        return 1;
    // A directory larger than the block is damaged, whatever it holds.
    const std::size_t entries = u16(ifd);
    if (entries > (size - ifd - 2) / 12)
        return 1;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = ifd + 2 + 12 * i;
        if (u16(entry) != kOrientationTag)
            continue;
        if (u16(entry + 2) != kShortType || u32(entry + 4) != 1)
            return 1;
        const std::uint32_t value = u16(entry + 8);
        return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
    }
    return 1;
}

int JpegOrientation(const std::uint8_t* file, std::size_t size) noexcept
{
    static constexpr std::uint8_t kExif[] = {'E', 'x', 'i', 'f', 0, 0};
    std::size_t at = 2;
    // Each step moves on by at least two bytes, so the walk ends within the head.
    while (at + 4 <= size && file[at] == 0xFF) {
        const std::uint8_t marker = file[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA)  // end of image, start of scan
            return 1;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
            at += 2;
            continue;
        }
        const std::size_t length = (file[at + 2] << 8) | file[at + 3];
        if (length < 2)
            return 1;
        const std::size_t data = at + 4;
        const std::size_t end = std::min(at + 2 + length, size);
        if (marker == 0xE1 && end >= data + sizeof kExif &&
            std::equal(kExif, kExif + sizeof kExif, file + data))
            return TiffOrientation(file + data + sizeof kExif, end - data - sizeof kExif);
        at += 2 + length;
    }
    return 1;
}

}  // namespace

int PictureOrientation(const std::uint8_t* head, std::size_t size) noexcept
{
    size = std::min(size, kOrientationHeadBytes);
    if (size >= 2 && head[0] == 0xFF && head[1] == 0xD8)
        return JpegOrientation(head, size);
    if (size >= 4 && ((head[0] == 'I' && head[1] == 'I' && head[2] == 42 && head[3] == 0) ||
                      (head[0] == 'M' && head[1] == 'M' && head[2] == 0 && head[3] == 42)))
        return TiffOrientation(head, size);
    return 1;
}
