#include "imaging/BmpFileCheck.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// A w x h BMP of bits per pixel with a full colour table at 8 bits or fewer.
std::string Bmp(std::int32_t width, std::int32_t height, int bits)
{
    const std::uint32_t table = bits <= 8 ? 4u << bits : 0;
    const std::uint64_t stride = (std::uint64_t(width) * bits + 31) / 32 * 4;
    const std::uint64_t rows = height < 0 ? -std::int64_t{height} : height;
    std::string file(54 + table + stride * rows, '\0');
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, 10, 54 + table);
    Put32(file, 14, 40);
    Put32(file, 18, static_cast<std::uint32_t>(width));
    Put32(file, 22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = static_cast<char>(bits);
    return file;
}

bool Fits(const std::string& file)
{
    return BmpFitsInFile(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
}

}  // namespace

TEST(BmpFitsInFile, WholeFilesOfEveryDepthFit)
{
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        EXPECT_TRUE(Fits(Bmp(13, 7, bits))) << bits;
        EXPECT_TRUE(Fits(Bmp(13, -7, bits))) << bits;
        const std::string whole = Bmp(13, 7, bits);
        EXPECT_FALSE(Fits(whole.substr(0, whole.size() - 5))) << bits;
    }
    // Without the last row's padding byte: pixels all there, as some writers leave it.
    const std::string unpadded = Bmp(13, 7, 24);
    EXPECT_TRUE(Fits(unpadded.substr(0, unpadded.size() - 1)));
    EXPECT_FALSE(Fits(unpadded.substr(0, unpadded.size() - 2)));
    EXPECT_TRUE(Fits(Bmp(1, 20000, 24)));
    // Not a BMP at all: another decoder's business.
    EXPECT_TRUE(Fits(""));
    EXPECT_TRUE(Fits("GIF89a"));
}

TEST(BmpFitsInFile, HeadersThatPromiseMoreThanTheFileHoldsAreRefused)
{
    auto with = [](std::size_t at, std::uint32_t value, int bits = 8) {
        std::string file = Bmp(4, 4, bits);
        Put32(file, at, value);
        return file;
    };
    EXPECT_FALSE(Fits(with(18, 0x00040400)));  // sides of 263168 in an 86-byte file
    EXPECT_FALSE(Fits(with(22, 0x80000000)));
    EXPECT_FALSE(Fits(with(18, 0)));
    EXPECT_FALSE(Fits(with(22, 0)));
    EXPECT_FALSE(Fits(with(18, 0xFFFFFFFF)));
    EXPECT_FALSE(Fits(with(10, 0x7FFFFFF0)));   // pixel offset past the end
    EXPECT_FALSE(Fits(with(14, 0x10000)));      // header larger than the file
    EXPECT_FALSE(Fits(with(14, 20)));           // neither of the known header sizes
    EXPECT_FALSE(Fits(with(46, 0xFFFFFFFF)));   // more colours than 8 bits can name
    EXPECT_FALSE(Fits(with(30, 9)));            // unknown compression
    EXPECT_FALSE(Fits(with(28, 3)));            // unknown bit count
    EXPECT_TRUE(Fits(with(30, 1)));             // run-length rows: only the offset counts
    EXPECT_FALSE(Fits(Bmp(4, 4, 8).substr(0, 17)));
}
