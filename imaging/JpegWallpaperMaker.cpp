#include "imaging/JpegWallpaperMaker.h"

#include "win32/WholeFile.h"

#include <climits>
#include <new>

namespace {

constexpr char kFailed[] = "failed ole load";

// libjpeg-turbo's own memory, for the coefficients a progressive picture keeps whole: what a
// 32-bit program can spare beside the pictures, and far less than a hostile header asks.
constexpr std::size_t kDecoderMemory = std::size_t{1536} << 20;

}  // namespace

CJpegWallpaperMaker::CJpegWallpaperMaker(const std::string& path)
{
    // As much as the picture service took.
    const ReadFailure failure =
        ReadWholeFile(path, static_cast<DWORD>(LONG_MAX), [&](DWORD bytes) -> void* {
            size_ = bytes;
            file_.reset(new (std::nothrow) std::uint8_t[bytes == 0 ? 1 : bytes]);
            return file_.get();
        });
    switch (failure) {
    case ReadFailure::None: break;
    case ReadFailure::Open: throw CWallpaperException("failed open file");
    case ReadFailure::TooLarge: throw CWallpaperException("over filesize");
    case ReadFailure::Read: throw CWallpaperException("failed read file");
    }
    if (!JpegReadSides(file_.get(), size_, &sides_) || sides_.width[kJpegScales - 1] > INT_MAX ||
        sides_.height[kJpegScales - 1] > INT_MAX)
        throw CWallpaperException(kFailed);
    SetSize(static_cast<int>(sides_.width[kJpegScales - 1]),
            static_cast<int>(sides_.height[kJpegScales - 1]));
}

CWallpaperMaker::StoredPixels CJpegWallpaperMaker::Decode(const JpegPart& part,
                                                         BITMAPINFO& info) const
{
    void* bits = nullptr;
    StoredPixels pixels;
    try {
        pixels.owner = CreateDib24(info, bits, static_cast<int>(part.width),
                                   static_cast<int>(part.height));
    } catch (const CWallpaperException&) {
        throw CWallpaperException(kFailed);
    }
    pixels.bits = static_cast<const std::uint8_t*>(bits);
    pixels.width = static_cast<std::int32_t>(part.width);
    pixels.height = static_cast<std::int32_t>(part.height);
    pixels.stride = static_cast<std::ptrdiff_t>(CanvasStride(pixels.width));
    // The part's top row is the DIB's last.
    auto* top = static_cast<std::uint8_t*>(bits) + (pixels.height - 1) * pixels.stride;
    if (!JpegDecode(file_.get(), size_, &part, kDecoderMemory, top, -pixels.stride))
        throw CWallpaperException(kFailed);
    return pixels;
}

void CJpegWallpaperMaker::WriteStoredBitmap(const std::string& outPath) const
{
    BITMAPINFO info;
    const StoredPixels pixels = Decode(
        JpegPart{kJpegScales, 0, 0, static_cast<std::uint32_t>(Width()),
                 static_cast<std::uint32_t>(Height())},
        info);
    SaveBitmapFile(outPath, info, pixels.bits);
}

CWallpaperMaker::StoredPixels CJpegWallpaperMaker::Pixels24(std::int64_t coverWidth,
                                                            std::int64_t coverHeight) const
{
    const int scale = JpegCoveringScale(&sides_, static_cast<std::uint64_t>(coverWidth > 0 ? coverWidth : 0),
                                        static_cast<std::uint64_t>(coverHeight > 0 ? coverHeight : 0));
    BITMAPINFO info;
    return Decode(JpegPart{scale, 0, 0, sides_.width[scale - 1], sides_.height[scale - 1]}, info);
}

CWallpaperMaker::StoredPixels CJpegWallpaperMaker::PartPixels24(const PixelWindow& part) const
{
    BITMAPINFO info;
    const auto top = static_cast<std::uint32_t>(Height() - part.bottom - part.height);
    return Decode(JpegPart{kJpegScales, static_cast<std::uint32_t>(part.left), top,
                           static_cast<std::uint32_t>(part.width),
                           static_cast<std::uint32_t>(part.height)},
                  info);
}

void CJpegWallpaperMaker::Render(HDC hdc, int x, int y, int cx, int cy) const
{
    DrawScaled(hdc, x, y, cx, cy, 1);
}
