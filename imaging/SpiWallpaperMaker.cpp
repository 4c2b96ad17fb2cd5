#include "imaging/SpiWallpaperMaker.h"

#include "imaging/SpiManager.h"
#include "win32/GdiGuards.h"

#include <exception>
#include <utility>

namespace {

constexpr char kBadOutput[] = "Failed Spi Load Picture";

}  // namespace

CSpiWallpaperMaker::CSpiWallpaperMaker(const std::string& path, CSpiManager& manager)
    : CSpiWallpaperMaker(Decode(path, manager))
{
}

CSpiWallpaperMaker::Decoded CSpiWallpaperMaker::Decode(const std::string& path,
                                                       CSpiManager& manager)
{
    Decoded decoded;
    try {
        manager.LoadPicture(path, decoded.info, decoded.pixels);
    } catch (const CSpiManager::CSpiException& failure) {
        throw CWallpaperException(failure.Message());
    }
    return decoded;
}

CSpiWallpaperMaker::CSpiWallpaperMaker(Decoded decoded)
    : info_(std::move(decoded.info)), pixels_(std::move(decoded.pixels))
{
    const auto* info = static_cast<const std::uint8_t*>(info_.Data());
    const auto* pixels = static_cast<const std::uint8_t*>(pixels_.Data());
    const auto layout = CheckSpiPicture(info, info_.Size(), pixels ? pixels_.Size() : 0);
    if (!layout || pixels == nullptr)
        throw CWallpaperException(kBadOutput);
    try {
        dib_ = NormalizeSpiPicture(*layout, info, pixels);
    } catch (const std::exception&) {
        throw CWallpaperException(kBadOutput);
    }
    SetSize(layout->width, layout->height);
}

const BITMAPINFO& CSpiWallpaperMaker::Info() const noexcept
{
    return *reinterpret_cast<const BITMAPINFO*>(dib_.info.data());
}

const void* CSpiWallpaperMaker::Pixels() const noexcept
{
    return dib_.pixels.empty() ? pixels_.Data() : dib_.pixels.data();
}

void CSpiWallpaperMaker::WriteStoredBitmap(const std::string& outPath) const
{
    SaveBitmapFile(outPath, Info(), Pixels());
}

CWallpaperMaker::StoredPixels CSpiWallpaperMaker::Pixels24(std::int64_t, std::int64_t) const
{
    if (Info().bmiHeader.biBitCount > 8)
        return WholePixels(UniqueGdiObject(), Pixels());
    // Palette pictures become a 24-bit copy drawn by GDI.
    BITMAPINFO copyInfo;
    void* copyBits = nullptr;
    UniqueGdiObject copy = CreateDib24(copyInfo, copyBits, Width(), Height());
    {
        const BitmapDc dc(nullptr, copy.get());
        SetDIBitsToDevice(dc.get(), 0, 0, Width(), Height(), 0, 0, 0, Height(), Pixels(),
                          &Info(), DIB_RGB_COLORS);
        GdiFlush();
    }
    return WholePixels(std::move(copy), copyBits);
}

void CSpiWallpaperMaker::Render(HDC hdc, int x, int y, int cx, int cy) const
{
    SetStretchBltMode(hdc, HALFTONE);
    StretchDIBits(hdc, x, y, cx, cy, 0, 0, Width(), Height(), Pixels(), &Info(), DIB_RGB_COLORS,
                  SRCCOPY);
}
