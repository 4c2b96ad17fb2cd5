#include "ImagingTestUtil.h"

#include "tests/support/Bytes.h"

#include <cstdlib>
#include <stdexcept>

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FixturePath(const std::string& name)
{
    char program[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder(program);
    folder.erase(folder.rfind('\\'));
    return folder + "\\imaging-fixtures\\" + name;
}

std::int32_t BmpField32(const std::string& file, std::size_t offset)
{
    return static_cast<std::int32_t>(Get32(file, offset));
}

Rgb BmpPixel(const std::string& file, int x, int y)
{
    const std::int32_t offBits = BmpField32(file, 10);
    const std::int32_t width = BmpField32(file, 18);
    const std::int32_t height = BmpField32(file, 22);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t at = offBits + stride * (height - 1 - y) + x * 3;
    return Rgb{static_cast<unsigned char>(file.at(at + 2)),
               static_cast<unsigned char>(file.at(at + 1)), static_cast<unsigned char>(file.at(at))};
}

Canvas::Canvas(int width, int height) : width_(width)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    dc_.reset(CreateCompatibleDC(nullptr));
    if (!bitmap_ || !dc_)
        throw std::runtime_error("no canvas");
    SelectObject(dc_.get(), bitmap_.get());
}

Rgb Canvas::Pixel(int x, int y) const
{
    GdiFlush();
    const std::size_t stride = (static_cast<std::size_t>(width_) * 3 + 3) / 4 * 4;
    const auto* p = static_cast<const unsigned char*>(bits_) + stride * y + x * 3;
    return Rgb{p[2], p[1], p[0]};
}

::testing::AssertionResult ColourNear(const Rgb& actual, const Rgb& expected, int tolerance)
{
    if (std::abs(actual.red - expected.red) <= tolerance &&
        std::abs(actual.green - expected.green) <= tolerance &&
        std::abs(actual.blue - expected.blue) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "colour (" << actual.red << "," << actual.green << "," << actual.blue
           << ") is not near (" << expected.red << "," << expected.green << ","
           << expected.blue << ")";
}
