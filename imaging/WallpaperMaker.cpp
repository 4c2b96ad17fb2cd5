#include "imaging/WallpaperMaker.h"

#include "imaging/BilinearFill.h"
#include "imaging/BitmapLayout.h"
#include "imaging/DesktopFit.h"
#include "imaging/PreviewBackground.h"
#include "imaging/PreviewLayout.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <optional>

CWallpaperMaker::~CWallpaperMaker() = default;

void CWallpaperMaker::DrawPreview(HDC hdc, const RECT& box) const
{
    PaintPreviewBackground(hdc, box);
    const std::optional<PreviewRect> place =
        PreviewLayout(width_, height_, box.left, box.top, box.right, box.bottom);
    if (!place)
        throw CWallpaperException("invalid picture size");
    Render(hdc, place->x, place->y, place->cx, place->cy);
}

UniqueGdiObject CWallpaperMaker::FitToDesktop(BITMAPINFO& outInfo, void*& outBits,
                                              const void* srcBits, const RECT& desktop) const
{
    // Sizes are checked before any division or allocation.
    const std::optional<std::uint32_t> srcBytes = Dib24Bytes(width_, height_);
    if (!srcBytes)
        throw CWallpaperException("invalid picture size");
    const std::optional<FittedSize> fit =
        FitSize(width_, height_, std::int64_t{desktop.right} - desktop.left,
                std::int64_t{desktop.bottom} - desktop.top);
    if (!fit)
        throw CWallpaperException("invalid desktop size");
    if (!Dib24Bytes(fit->width, fit->height))
        throw CWallpaperException("failed DIB create");

    const int outWidth = static_cast<int>(fit->width);
    const int outHeight = static_cast<int>(fit->height);
    UniqueGdiObject bitmap = CreateDib24(outInfo, outBits, outWidth, outHeight);
    const auto* src = static_cast<const std::uint8_t*>(srcBits);
    auto* dst = static_cast<std::uint8_t*>(outBits);
    if (fit->copy) {
        std::memcpy(dst, src, *srcBytes);
        return bitmap;
    }
    try {
        BilinearFill(src, width_, height_, dst, outWidth, outHeight);
    } catch (const std::bad_alloc&) {
        // The scaler's position tables did not fit beside the new bitmap.
        throw CWallpaperException("failed DIB create");
    } catch (const std::length_error&) {
        throw CWallpaperException("failed DIB create");
    }
    return bitmap;
}

UniqueGdiObject CWallpaperMaker::CreateDib24(BITMAPINFO& info, void*& bits, int width,
                                             int height)
{
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    bits = nullptr;
    if (!Dib24Bytes(width, height))
        throw CWallpaperException("failed DIB create");
    UniqueGdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        throw CWallpaperException("failed DIB create");
    return bitmap;
}
