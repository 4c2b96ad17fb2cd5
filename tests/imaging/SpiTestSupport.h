#pragma once
// Shared by the plug-in host's tests: plug-in folders made from the built test plug-ins,
// pictures in the test plug-ins' format, and BMP files read back.
#include "tests/support/Bytes.h"
#include "tests/support/TempDir.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>

// A folder "spi" below dir holding copies of the named files of the built test plug-ins
// (tpic1.spi, tpic2.spi, nogetpicture.spi, bad.spi).
std::string MakePluginFolder(const TempDir& dir, std::initializer_list<const char*> names);
// The folder our own plug-ins are built into.
std::string OwnPluginFolder();

// A BITMAPINFOHEADER as bytes, followed by extra (colour table or bit fields).
std::string InfoBlock(std::int32_t width, std::int32_t height, std::uint16_t bits,
                      const std::string& extra = std::string(), std::uint32_t compression = BI_RGB,
                      std::uint32_t clrUsed = 0);
// A file in the test plug-ins' format; magic picks the plug-in that accepts it.
std::string TestPictureBytes(const char* magic, const std::string& info, const std::string& pixels);

// IsSupported calls seen by a loaded test plug-in, and the last head block it was offered.
int OffersSeen(const std::string& pluginPath, std::string* lastHead = nullptr);

// A BMP file read back.
struct BmpFile {
    explicit BmpFile(const std::string& path);
    std::uint32_t U32(std::size_t at) const { return Get32(bytes, at); }
    std::int32_t Width() const { return static_cast<std::int32_t>(U32(18)); }
    std::int32_t Height() const { return static_cast<std::int32_t>(U32(22)); }
    int BitCount() const { return static_cast<unsigned char>(bytes[28]); }
    std::uint32_t OffBits() const { return U32(10); }
    // 0x00RRGGBB of the pixel (x, y counted from the top) of a 24-bit file; for an 8-bit
    // file, the palette index.
    std::uint32_t Pixel(int x, int y) const;

    std::string bytes;
};
