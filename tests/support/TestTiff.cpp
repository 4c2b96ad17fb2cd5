#include "tests/support/TestTiff.h"

#include "tests/support/Bytes.h"

std::string Tiff(std::uint16_t width, std::uint16_t height, const std::string& rgb,
                 bool directoryLast, std::uint16_t orientation)
{
    auto entry = [](std::uint16_t tag, std::uint16_t type, std::uint32_t value) {
        return Le16(tag) + Le16(type) + Le32(1) +
               (type == 3 ? Le16(static_cast<std::uint16_t>(value)) + Le16(0) : Le32(value));
    };
    const std::uint16_t entries = orientation != 0 ? 11 : 10;
    const std::uint32_t directorySize = 2 + 12 * entries + 4;
    // Three bits-per-sample values, then the pixels, then (padded to a word) the directory.
    const std::uint32_t bitsAt = directoryLast ? 8 : 8 + directorySize;
    const std::uint32_t pixelsAt = bitsAt + 6;
    const std::uint32_t size = static_cast<std::uint32_t>(rgb.size());
    const std::uint32_t directoryAt = directoryLast ? (pixelsAt + size + 1) & ~1u : 8;

    std::string directory = Le16(entries) + entry(256, 3, width) + entry(257, 3, height);
    directory += Le16(258) + Le16(3) + Le32(3) + Le32(bitsAt);
    directory += entry(259, 3, 1) + entry(262, 3, 2) + entry(273, 4, pixelsAt);
    if (orientation != 0)
        directory += entry(274, 3, orientation);
    directory += entry(277, 3, 3) + entry(278, 3, height) + entry(279, 4, size) +
                 entry(284, 3, 1) + Le32(0);
    const std::string data = Le16(8) + Le16(8) + Le16(8) + rgb;

    std::string out = std::string("II*\0", 4) + Le32(directoryAt);
    if (!directoryLast)
        return out + directory + data;
    out += data;
    out.resize(directoryAt, '\0');
    return out + directory;
}
