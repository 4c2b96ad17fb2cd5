#include "imaging/ExifOrientation.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
// A first directory with more entries than this is damaged (real ones hold a few dozen);
// it keeps a hostile count from asking for more than 12 * 4096 bytes.
constexpr std::size_t kMostEntries = 4096;

// A TIFF structure (a TIFF file, or the block after "Exif\0\0"), read through read(offset,
// into, size), which is true only when all size bytes at offset lie inside it: IFD0's
// orientation entry. No offset is followed twice.
template <typename Read>
int TiffOrientation(const Read& read)
{
    std::uint8_t header[8];
    if (!read(0, header, sizeof header))
        return 1;
    const bool little = header[0] == 'I' && header[1] == 'I';
    if (!little && !(header[0] == 'M' && header[1] == 'M'))
        return 1;
    auto u16 = [little](const std::uint8_t* at) -> std::uint32_t {
        return little ? at[0] | (at[1] << 8) : (at[0] << 8) | at[1];
    };
    auto u32 = [&](const std::uint8_t* at) -> std::uint32_t {
        return little ? u16(at) | (u16(at + 2) << 16) : (u16(at) << 16) | u16(at + 2);
    };
    if (u16(header + 2) != 42)
        return 1;
    const std::uint64_t ifd = u32(header + 4);
    std::uint8_t count[2];
    if (!read(ifd, count, sizeof count))
        return 1;
    const std::size_t entries = u16(count);
    if (entries > kMostEntries)
        return 1;
    // A directory running past the end is damaged, whatever it holds.
    std::vector<std::uint8_t> directory(12 * entries);
    if (!read(ifd + 2, directory.data(), directory.size()))
        return 1;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint8_t* entry = directory.data() + 12 * i;
        if (u16(entry) != kOrientationTag)
            continue;
        if (u16(entry + 2) != kShortType || u32(entry + 4) != 1)
            return 1;
        const std::uint32_t value = u16(entry + 8);
        return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
    }
    return 1;
}

int TiffBlockOrientation(const std::uint8_t* block, std::size_t size)
{
    return TiffOrientation([block, size](std::uint64_t at, std::uint8_t* into, std::size_t bytes) {
        if (at > size || bytes > size - at)
            return false;
        std::copy_n(block + at, bytes, into);
        return true;
    });
}

int JpegOrientation(const std::uint8_t* file, std::size_t size)
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
            return TiffBlockOrientation(file + data + sizeof kExif, end - data - sizeof kExif);
        at += 2 + length;
    }
    return 1;
}

bool IsTiff(const std::uint8_t* head, std::size_t size)
{
    return size >= 4 && ((head[0] == 'I' && head[1] == 'I' && head[2] == 42 && head[3] == 0) ||
                         (head[0] == 'M' && head[1] == 'M' && head[2] == 0 && head[3] == 42));
}

}  // namespace

int FileOrientation(const ReadFileBytes& read)
{
    std::vector<std::uint8_t> head(kOrientationHeadBytes);
    head.resize(read(0, head.data(), head.size()));
    if (head.size() >= 2 && head[0] == 0xFF && head[1] == 0xD8)
        return JpegOrientation(head.data(), head.size());
    if (!IsTiff(head.data(), head.size()))
        return 1;
    // Writers often put the directory after the pixels, far past the head.
    return TiffOrientation([&read](std::uint64_t at, std::uint8_t* into, std::size_t bytes) {
        return read(at, into, bytes) == bytes;
    });
}

int PictureOrientation(const std::uint8_t* file, std::size_t size)
{
    return FileOrientation([file, size](std::uint64_t at, std::uint8_t* into, std::size_t bytes) {
        if (at >= size)
            return std::size_t{0};
        const std::size_t count = std::min<std::uint64_t>(bytes, size - at);
        std::copy_n(file + at, count, into);
        return count;
    });
}
