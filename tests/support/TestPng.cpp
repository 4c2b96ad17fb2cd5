#include "tests/support/TestPng.h"

#include "tests/support/Bytes.h"

namespace {

std::string Be32(std::uint32_t v)
{
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}

std::uint32_t Crc32(const std::string& bytes)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

std::string PngChunk(const std::string& type, const std::string& data)
{
    return Be32(static_cast<std::uint32_t>(data.size())) + type + data + Be32(Crc32(type + data));
}

}  // namespace

std::string Png(std::uint32_t width, std::uint32_t height, const std::string& rgba)
{
    std::string raw;
    for (std::uint32_t y = 0; y < height; ++y)
        raw += '\0' + rgba.substr(y * width * 4, width * 4);
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    const auto length = static_cast<std::uint16_t>(raw.size());
    const std::string zlib = std::string("\x78\x01\x01", 3) + Le16(length)
                             + Le16(static_cast<std::uint16_t>(~length)) + raw + Be32(b << 16 | a);
    const std::string header = Be32(width) + Be32(height) + std::string("\x08\x06\0\0\0", 5);
    return "\x89PNG\r\n\x1a\n" + PngChunk("IHDR", header) + PngChunk("IDAT", zlib)
           + PngChunk("IEND", "");
}
