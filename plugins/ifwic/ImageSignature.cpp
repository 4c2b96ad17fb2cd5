#include "plugins/ifwic/ImageSignature.h"

#include <cstring>

namespace {

bool HasAt(const std::uint8_t* head, std::size_t size, std::size_t offset, const char* bytes,
           std::size_t count)
{
    return offset + count <= size && std::memcmp(head + offset, bytes, count) == 0;
}

std::uint32_t Le32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// "BM" alone is too weak: also demand a known info header size.
bool IsBmp(const std::uint8_t* head, std::size_t size)
{
    if (!HasAt(head, size, 0, "BM", 2) || size < 18)
        return false;
    const std::uint32_t infoSize = Le32(head + 14);
    return infoSize == 12 || infoSize == 40 || infoSize == 52 || infoSize == 56
           || infoSize == 108 || infoSize == 124;
}

// Icon directory: reserved 0, type 1, at least one image.
bool IsIco(const std::uint8_t* head, std::size_t size)
{
    return HasAt(head, size, 0, "\0\0\1\0", 4) && size >= 6 && (head[4] | head[5]) != 0;
}

// ISO base media file whose major brand is one of HEIF's (HEVC coded images).
bool IsHeif(const std::uint8_t* head, std::size_t size)
{
    if (!HasAt(head, size, 4, "ftyp", 4) || size < 12)
        return false;
    static const char* const brands[] = {"heic", "heix", "hevc", "hevx", "heim", "heis",
                                         "mif1", "msf1"};
    for (const char* brand : brands) {
        if (std::memcmp(head + 8, brand, 4) == 0)
            return true;
    }
    return false;
}

}  // namespace

ImageFormat SniffImageFormat(const std::uint8_t* head, std::size_t size)
{
    if (HasAt(head, size, 0, "\x89PNG\r\n\x1a\n", 8))
        return ImageFormat::Png;
    if (HasAt(head, size, 0, "II*\0", 4) || HasAt(head, size, 0, "MM\0*", 4))
        return ImageFormat::Tiff;
    if (HasAt(head, size, 0, "II\xbc", 3))
        return ImageFormat::JpegXr;
    if (HasAt(head, size, 0, "\xff\xd8\xff", 3))
        return ImageFormat::Jpeg;
    if (HasAt(head, size, 0, "GIF87a", 6) || HasAt(head, size, 0, "GIF89a", 6))
        return ImageFormat::Gif;
    if (HasAt(head, size, 0, "RIFF", 4) && HasAt(head, size, 8, "WEBP", 4))
        return ImageFormat::Webp;
    if (IsIco(head, size))
        return ImageFormat::Ico;
    if (IsBmp(head, size))
        return ImageFormat::Bmp;
    if (IsHeif(head, size))
        return ImageFormat::Heif;
    return ImageFormat::Unknown;
}
