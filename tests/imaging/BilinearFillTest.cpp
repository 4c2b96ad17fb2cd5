#include "imaging/BilinearFill.h"
#include "imaging/BitmapLayout.h"
#include "imaging/DesktopFit.h"

#include "ReferenceFill.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

// Flat 3 x 3 blocks with a few noisy pixels: where the four neighbours are equal the exact
// sum is a whole number, and only the right order of operations truncates it the same way.
std::vector<std::uint8_t> Picture(std::int32_t width, std::int32_t height, unsigned seed)
{
    const std::size_t stride = *RowBytes(width, 24);
    std::vector<std::uint8_t> bytes(*Dib24Bytes(width, height));
    std::mt19937 random(seed);
    std::vector<std::uint8_t> blocks(3 * (width / 3 + 1) * (height / 3 + 1));
    for (std::uint8_t& b : blocks)
        b = static_cast<std::uint8_t>(random());
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const std::size_t block = 3 * ((y / 3) * (width / 3 + 1) + x / 3);
            const bool noisy = random() % 8 == 0;
            for (std::size_t c = 0; c < 3; ++c) {
                bytes[y * stride + x * 3 + c] =
                    noisy ? static_cast<std::uint8_t>(random()) : blocks[block + c];
            }
        }
    }
    return bytes;
}

// Fills with both scalers over a canvas of 0xAB and expects identical bytes, padding
// included (the scaler must leave it alone).
void ExpectSameAsReference(std::int32_t width, std::int32_t height, std::int32_t outWidth,
                           std::int32_t outHeight, unsigned maxThreads = 0)
{
    SCOPED_TRACE(testing::Message() << width << "x" << height << " -> " << outWidth << "x"
                                    << outHeight);
    const std::vector<std::uint8_t> src = Picture(width, height, width * 7919u + height);
    const std::size_t outBytes = *Dib24Bytes(outWidth, outHeight);
    std::vector<std::uint8_t> expected(outBytes, 0xAB);
    std::vector<std::uint8_t> actual(outBytes, 0xAB);
    ReferenceFill(src.data(), width, height, expected.data(), outWidth, outHeight);
    BilinearFill(src.data(), width, height, actual.data(), outWidth, outHeight, maxThreads);
    ASSERT_EQ(actual, expected);
}

}  // namespace

TEST(BilinearFill, MatchesReferenceByteForByte)
{
    const std::int32_t cases[][4] = {
        {4, 4, 8, 8},     {8, 8, 4, 4},     {5, 3, 11, 7},     {7, 5, 3, 2},
        {1, 1, 5, 3},     {1, 9, 4, 13},    {9, 1, 13, 4},     {1, 7, 1, 3},
        {6, 1, 2, 1},     {3, 3, 1, 1},     {2, 2, 1000, 3},   {1000, 3, 7, 2},
        {13, 17, 97, 61}, {97, 61, 13, 17}, {33, 25, 40, 30},  {640, 480, 333, 250},
        {255, 1, 1, 255}, {3, 2, 4, 3},     {99, 101, 101, 99}};
    for (const auto& c : cases)
        ExpectSameAsReference(c[0], c[1], c[2], c[3]);
}

TEST(BilinearFill, MatchesReferenceOnLargeOutputsSharedBetweenThreads)
{
    for (unsigned threads : {1u, 2u, 3u}) {
        ExpectSameAsReference(1024, 768, 1280, 960, threads);
        ExpectSameAsReference(1921, 1081, 1283, 722, threads);
    }
}

TEST(BilinearFill, WorkedExamplesMatchReference)
{
    const std::int64_t examples[][4] = {{1024, 768, 1280, 1024}, {800, 600, 1024, 768}};
    for (const auto& e : examples) {
        const FittedSize fit = *FitSize(e[0], e[1], e[2], e[3]);
        ExpectSameAsReference(static_cast<std::int32_t>(e[0]), static_cast<std::int32_t>(e[1]),
                              static_cast<std::int32_t>(fit.width),
                              static_cast<std::int32_t>(fit.height));
    }
}

TEST(BilinearFill, HalfSteps)
{
    // Three pixels to four: dx = 0.5 exactly; one row, so the row below is the row itself.
    const std::uint8_t src[12] = {10, 10, 10, 21, 21, 21, 40, 40, 40, 0, 0, 0};
    std::uint8_t out[24] = {};
    BilinearFill(src, 3, 1, out, 4, 2);
    const std::uint8_t row[] = {10, 15, 21, 30};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(out[y * 12 + x * 3 + c], row[x]) << y << "," << x;
        }
    }
}
