#include "tests/imaging/HostileImages.h"
#include "tests/support/Bytes.h"
#include "tests/support/ExifBlock.h"
#include "tests/support/TestBmp.h"
#include "tests/support/TestJpeg.h"
#include "tests/support/TestPng.h"
#include "tests/support/WholeFile.h"

#include <cstdint>
#include <stdexcept>
#include <utility>

std::string SmallPng()
{
    std::string rgba;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            rgba += std::string{static_cast<char>(x * 30), static_cast<char>(y * 30), '\x40', '\xFF'};
    }
    return Png(8, 8, rgba);
}

namespace {

// A 4 × 4 8-bit BMP with a 4-entry palette.
std::string PaletteBmp()
{
    const int stride = 4;
    std::string file(54 + 16 + stride * 4, '\0');
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, 10, 54 + 16);
    Put32(file, 14, 40);
    Put32(file, 18, 4);
    Put32(file, 22, 4);
    Put16(file, 26, 1);
    Put16(file, 28, 8);
    Put32(file, 46, 4);
    for (int i = 0; i < 4; ++i)
        Put32(file, 54 + 4 * i, 0x00402010u * static_cast<std::uint32_t>(i + 1));
    for (int i = 0; i < 16; ++i)
        file[70 + i] = static_cast<char>(i % 4);
    return file;
}

std::string ReadFixture(const std::string& path)
{
    std::string bytes = ReadWholeFile(path);
    if (bytes.empty())
        throw std::runtime_error("no fixture " + path);
    return bytes;
}

// A small fixed generator, so every run sees the same corpus.
class Lcg {
public:
    std::uint32_t Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }

private:
    std::uint32_t state_ = 12345;
};

void AddDamaged(std::vector<HostileImage>& out, const std::string& stem, const std::string& ext,
                const std::string& good, Lcg& random)
{
    out.push_back({stem + "-good." + ext, good});
    const std::size_t size = good.size();
    for (std::size_t cut : {std::size_t{1}, std::size_t{2}, std::size_t{6}, std::size_t{13},
                            std::size_t{14}, std::size_t{30}, std::size_t{54}, size / 4, size / 2,
                            size * 3 / 4, size - 2, size - 1}) {
        if (cut < size)
            out.push_back({stem + "-cut" + std::to_string(cut) + "." + ext, good.substr(0, cut)});
    }
    // Bit flips: in the first 64 bytes (headers) and anywhere, 1 to 16 bits each.
    for (int i = 0; i < 24; ++i) {
        std::string flipped = good;
        const int bits = 1 + i % 16;
        const std::size_t span = i % 2 == 0 && size > 64 ? 64 : size;
        for (int b = 0; b < bits; ++b)
            flipped[random.Next() % span] ^= static_cast<char>(1 << (random.Next() % 8));
        out.push_back({stem + "-flip" + std::to_string(i) + "." + ext, flipped});
    }
    // A tail of garbage after a good file.
    out.push_back({stem + "-tail." + ext, good + std::string(4096, '\xA5')});
}

}  // namespace

std::string PatternBmp(int width, int height)
{
    return Bmp24(width, height, [](int x, int y) {
        return (x * 7 & 0xFFu) << 16 | (y * 5 & 0xFFu) << 8 | 0x80;
    });
}

std::vector<HostileImage> HostileImageCorpus(const std::string& fixtureFolder)
{
    std::vector<HostileImage> out;
    Lcg random;
    AddDamaged(out, "bmp24", "bmp", PatternBmp(13, 7), random);
    AddDamaged(out, "bmp8", "bmp", PaletteBmp(), random);
    AddDamaged(out, "jpg", "jpg", ReadFixture(fixtureFolder + "\\quad.jpg"), random);
    AddDamaged(out, "gif", "gif", ReadFixture(fixtureFolder + "\\quad.gif"), random);
    AddDamaged(out, "png", "png", SmallPng(), random);
    // libjpeg-turbo's other path: every scan kept whole, then shown.
    const auto gradient = [](int x, int y) { return std::uint32_t(x * 6) << 16 | std::uint32_t(y * 10); };
    AddDamaged(out, "jpg-progressive", "jpg",
               EncodedJpeg(40, 24, JpegStyle{JpegColours::YCbCr, 2, 2, true}, gradient), random);

    // BMP header fields at their extremes: width, height, planes, bit count, compression,
    // pixel offset, colours used.
    const std::string good = PatternBmp(13, 7);
    const struct {
        const char* what;
        std::size_t at;
        int bytes;
        std::uint32_t value;
    } fields[] = {
        {"width0", 18, 4, 0},          {"width-1", 18, 4, 0xFFFFFFFF},
        {"widthmin", 18, 4, 0x80000000}, {"widthmax", 18, 4, 0x7FFFFFFF},
        {"width65536", 18, 4, 65536},  {"width100000", 18, 4, 100000},
        {"height0", 22, 4, 0},         {"height-7", 22, 4, static_cast<std::uint32_t>(-7)},
        {"heightmin", 22, 4, 0x80000000}, {"heightmax", 22, 4, 0x7FFFFFFF},
        {"height100000", 22, 4, 100000}, {"planes0", 26, 2, 0},
        {"bits0", 28, 2, 0},           {"bits3", 28, 2, 3},
        {"bits64", 28, 2, 64},         {"compression1", 30, 4, 1},
        {"compression9", 30, 4, 9},    {"offbits0", 10, 4, 0},
        {"offbitshuge", 10, 4, 0x7FFFFFF0}, {"infosize0", 14, 4, 0},
        {"infosizehuge", 14, 4, 0x10000}, {"clrused-1", 46, 4, 0xFFFFFFFF},
        {"filesize0", 2, 4, 0},        {"imagesizehuge", 34, 4, 0xFFFFFFFF},
    };
    for (const auto& field : fields) {
        std::string bytes = good;
        if (field.bytes == 4)
            Put32(bytes, field.at, field.value);
        else
            Put16(bytes, field.at, static_cast<std::uint16_t>(field.value));
        out.push_back({std::string("field-") + field.what + ".bmp", bytes});
    }

    // Orientation blocks that must turn nothing: offsets back at themselves and outside,
    // a block cut short, a huge entry count, values out of range.
    const std::string jpeg = ReadFixture(fixtureFolder + "\\quad.jpg");
    const std::string tiff = OrientationTiff(6);
    std::string selfPointing = tiff;
    Put32(selfPointing, 4, 4);
    std::string outside = tiff;
    Put32(outside, 4, 0x7FFFFFFF);
    std::string hugeCount = tiff;
    Put16(hugeCount, 8, 0xFFFF);
    const std::pair<const char*, std::string> exif[] = {
        {"self", selfPointing}, {"outside", outside}, {"huge-count", hugeCount},
        {"cut", tiff.substr(0, 20)}, {"0", OrientationTiff(0)}, {"9", OrientationTiff(9)},
        {"65535", OrientationTiff(65535)}};
    for (const auto& [what, block] : exif)
        out.push_back({std::string("exif-") + what + ".jpg", WithExif(jpeg, block)});

    out.push_back({"strip-1x20000.bmp", PatternBmp(1, 20000)});
    out.push_back({"strip-20000x1.bmp", PatternBmp(20000, 1)});
    for (const char* ext : {"bmp", "jpg", "gif", "png"}) {
        out.push_back({std::string("empty.") + ext, std::string()});
        out.push_back({std::string("folder.") + ext, std::string(), true});
    }
    return out;
}
