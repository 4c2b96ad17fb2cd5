#include "tests/imaging/SpiTestSupport.h"

#include "tests/plugins/TestPictureFormat.h"
#include "tests/support/WholeFile.h"
#include "win32/Directory.h"
#include "win32/Exception.h"
#include "win32/UniqueHandle.h"

#include <stdexcept>

std::string MakePluginFolder(const TempDir& dir, std::initializer_list<const char*> names)
{
    const std::string folder = dir.Folder("spi");
    const std::string built = GetModuleDirectory() + "\\test-plugins\\";
    for (const char* name : names) {
        if (!CopyFileA((built + name).c_str(), (folder + "\\" + name).c_str(), FALSE))
            throw std::runtime_error(std::string("cannot copy ") + name);
    }
    return folder;
}

std::string OwnPluginFolder()
{
    return GetModuleDirectory() + "\\plugins";
}

std::string InfoBlock(std::int32_t width, std::int32_t height, std::uint16_t bits,
                      const std::string& extra, std::uint32_t compression, std::uint32_t clrUsed)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bits;
    header.biCompression = compression;
    header.biClrUsed = clrUsed;
    return std::string(reinterpret_cast<const char*>(&header), sizeof header) + extra;
}

std::string TestPictureBytes(const char* magic, const std::string& info, const std::string& pixels)
{
    return TestPicture::Encode(magic, info, pixels);
}

int OffersSeen(const std::string& pluginPath, std::string* lastHead)
{
    // No reference of its own: the test must not keep a plug-in loaded.
    HMODULE module = GetModuleHandleA(pluginPath.c_str());
    if (module == nullptr)
        return -1;
    using Offers = int(WINAPI*)(char*);
    const auto offers =
        reinterpret_cast<Offers>(reinterpret_cast<void*>(GetProcAddress(module, "TestOffers")));
    std::string head(2048, '\0');
    const int count = offers(head.data());
    if (lastHead != nullptr)
        *lastHead = head;
    return count;
}

BmpFile::BmpFile(const std::string& path) : bytes(ReadWholeFile(path))
{
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0)
        throw std::runtime_error("not a BMP file: " + path);
}

std::uint32_t BmpFile::Pixel(int x, int y) const
{
    const int bytesPer = BitCount() / 8;
    const std::size_t stride = (static_cast<std::size_t>(Width()) * bytesPer + 3) & ~std::size_t{3};
    const std::size_t at = OffBits() + (Height() - 1 - y) * stride + x * bytesPer;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return bytesPer == 1 ? p[0] : (p[2] << 16) | (p[1] << 8) | p[0];
}
