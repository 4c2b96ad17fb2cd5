#pragma once
// Helpers of the imaging tests: failure kinds, files, fixtures and BMP pixels.
#include "imaging/WallpaperMaker.h"
#include "tests/support/FailureText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

// The one kind of failure a wallpaper change catches: FailureText<MakerFailure> lets any
// other kind escape and fail the test.
using MakerFailure = CWallpaperMaker::CWallpaperException;

bool FileExists(const std::string& path);

// A committed fixture, copied beside the test program at build time.
std::string FixturePath(const std::string& name);

struct Rgb {
    int red;
    int green;
    int blue;
};

// The colour at (x, y), counted from the top left, of a 24-bit bottom-up BMP file's bytes.
Rgb BmpPixel(const std::string& file, int x, int y);
std::int32_t BmpField32(const std::string& file, std::size_t offset);

// A memory DC with a 24-bit top-left-origin canvas, for drawing tests.
class Canvas {
public:
    Canvas(int width, int height);
    HDC Dc() const noexcept { return dc_.get(); }
    Rgb Pixel(int x, int y) const;

private:
    int width_;
    void* bits_ = nullptr;
    UniqueGdiObject bitmap_;
    UniqueMemoryDc dc_;
};

::testing::AssertionResult ColourNear(const Rgb& actual, const Rgb& expected, int tolerance);
