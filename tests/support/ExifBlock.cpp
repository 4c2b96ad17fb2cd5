#include "tests/support/ExifBlock.h"

namespace {

std::string Field(std::uint32_t value, int bytes, bool motorola)
{
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        const int shift = 8 * (motorola ? bytes - 1 - i : i);
        out += static_cast<char>(value >> shift);
    }
    return out;
}

}  // namespace

std::string OrientationTiff(std::uint32_t orientation, bool motorola)
{
    auto f16 = [&](std::uint32_t v) { return Field(v, 2, motorola); };
    auto f32 = [&](std::uint32_t v) { return Field(v, 4, motorola); };
    std::string tiff = motorola ? "MM" : "II";
    tiff += f16(42) + f32(8) + f16(2);
    tiff += f16(0x010F) + f16(2) + f32(4) + "Cam";  // Make, ASCII
    tiff += '\0';
    tiff += f16(0x0112) + f16(3) + f32(1) + f16(orientation) + f16(0);
    return tiff + f32(0);
}

std::string WithExif(const std::string& jpeg, const std::string& tiff)
{
    const std::string data = std::string("Exif\0\0", 6) + tiff;
    const std::size_t length = data.size() + 2;
    std::string segment = "\xFF\xE1";
    segment += static_cast<char>(length >> 8);
    segment += static_cast<char>(length);
    return jpeg.substr(0, 2) + segment + data + jpeg.substr(2);
}
