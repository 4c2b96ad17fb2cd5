#include "tests/support/TestJpeg.h"

namespace {

std::string Be16(unsigned v)
{
    return {static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string Segment(unsigned char marker, const std::string& body)
{
    return std::string{'\xFF', static_cast<char>(marker)} +
           Be16(static_cast<unsigned>(body.size() + 2)) + body;
}

// A table of one 1-bit code, "0", for symbol 0: as a DC table a difference of category 0, as
// an AC table the end of the block.
std::string OneCodeTable(char tableClass)
{
    return std::string{tableClass, '\1'} + std::string(15, '\0') + '\0';
}

}  // namespace

std::string MidGreyJpeg(std::uint16_t width, std::uint16_t height, JpegKind kind)
{
    const char components = kind == JpegKind::Colour ? 3 : 1;
    std::string frame = '\x08' + Be16(height) + Be16(width) + components;
    std::string scan(1, components);
    for (char id = 1; id <= components; ++id) {
        frame += std::string{id, '\x11', '\0'};
        scan += std::string{id, '\0'};
    }
    scan += std::string{'\0', '\x3F', '\0'};

    // Every code is "0", so the coded data is zero bytes and needs no stuffing; the last
    // byte is padded with one-bits.
    const std::uint64_t bits =
        std::uint64_t{(width + 7u) / 8u} * ((height + 7u) / 8u) * components * 2;
    std::string data(static_cast<std::size_t>(bits / 8), '\0');
    if (bits % 8 != 0)
        data += static_cast<char>(0xFF >> (bits % 8));

    return std::string("\xFF\xD8", 2) + Segment(0xDB, '\0' + std::string(64, '\1')) +
           Segment(0xC0, frame) + Segment(0xC4, OneCodeTable('\0') + OneCodeTable('\x10')) +
           Segment(0xDA, scan) + data + "\xFF\xD9";
}
