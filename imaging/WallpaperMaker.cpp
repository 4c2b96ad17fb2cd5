#include "imaging/WallpaperMaker.h"

#include "imaging/BilinearFill.h"
#include "imaging/BitmapLayout.h"
#include "imaging/DesktopFit.h"
#include "imaging/PreviewBackground.h"
#include "imaging/PreviewLayout.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <optional>

CWallpaperMaker::~CWallpaperMaker() = default;

namespace {

// The scaler's position tables did not fit beside the bitmaps.
template <typename Fill>
void FillOrFail(Fill fill)
{
    try {
        fill();
    } catch (const std::bad_alloc&) {
        throw CWallpaperMaker::CWallpaperException("failed DIB create");
    } catch (const std::length_error&) {
        throw CWallpaperMaker::CWallpaperException("failed DIB create");
    }
}

}  // namespace

void CWallpaperMaker::WriteBitmap(const std::string& outPath) const
{
    if (orientation_ == 1) {
        WriteStoredBitmap(outPath);
        return;
    }
    const void* bits = nullptr;
    const UniqueGdiObject source = Pixels24(bits);
    const TurnedView view = TurnView(orientation_, width_, height_);
    BITMAPINFO info;
    void* turned = nullptr;
    const UniqueGdiObject bitmap = CreateDib24(info, turned, view.width, view.height);
    CopyTurned(static_cast<const std::uint8_t*>(bits), view, static_cast<std::uint8_t*>(turned));
    SaveBitmapFile(outPath, info, turned);
}

void CWallpaperMaker::WriteFittedBitmap(const std::string& outPath, const RECT& desktop,
                                        bool fill) const
{
    if (fill) {
        BITMAPINFO info;
        void* bits = nullptr;
        const UniqueGdiObject bitmap =
            FillBitmap(info, bits, desktop.right - desktop.left, desktop.bottom - desktop.top);
        SaveBitmapFile(outPath, info, bits);
        return;
    }
    const void* bits = nullptr;
    const UniqueGdiObject source = Pixels24(bits);
    BITMAPINFO fittedInfo;
    void* fittedBits = nullptr;
    const UniqueGdiObject fitted = FitToDesktop(fittedInfo, fittedBits, bits, desktop);
    SaveBitmapFile(outPath, fittedInfo, fittedBits);
}

void CWallpaperMaker::DrawPreview(HDC hdc, const RECT& box, const RECT* fillDesktop) const
{
    PaintPreviewBackground(hdc, box);
    const TurnedView view = TurnView(orientation_, width_, height_);
    const std::optional<PreviewRect> place =
        fillDesktop != nullptr
            ? PreviewLayout(fillDesktop->right - fillDesktop->left,
                            fillDesktop->bottom - fillDesktop->top, box.left, box.top,
                            box.right, box.bottom)
            : PreviewLayout(view.width, view.height, box.left, box.top, box.right, box.bottom);
    if (!place)
        throw CWallpaperException(fillDesktop != nullptr ? "invalid desktop size"
                                                          : "invalid picture size");
    if (orientation_ == 1 && fillDesktop == nullptr) {
        Render(hdc, place->x, place->y, place->cx, place->cy);
        return;
    }
    // A turned or filled picture is drawn by the scaler, which reads it through the turn.
    BITMAPINFO info;
    void* shown = nullptr;
    UniqueGdiObject bitmap;
    if (fillDesktop != nullptr) {
        bitmap = FillBitmap(info, shown, place->cx, place->cy);
    } else {
        const void* bits = nullptr;
        const UniqueGdiObject source = Pixels24(bits);
        bitmap = CreateDib24(info, shown, place->cx, place->cy);
        FillOrFail([&] {
            BilinearFill(static_cast<const std::uint8_t*>(bits), view,
                         static_cast<std::uint8_t*>(shown), place->cx, place->cy);
        });
    }
    SetDIBitsToDevice(hdc, place->x, place->y, static_cast<DWORD>(place->cx),
                      static_cast<DWORD>(place->cy), 0, 0, 0, static_cast<UINT>(place->cy), shown,
                      &info, DIB_RGB_COLORS);
}

UniqueGdiObject CWallpaperMaker::FillBitmap(BITMAPINFO& info, void*& bits, int width,
                                            int height) const
{
    UniqueGdiObject bitmap = CreateDib24(info, bits, width, height);
    DrawOnCanvas(Canvas24{static_cast<std::uint8_t*>(bits), width, height},
                 RECT{0, 0, width, height}, PictureFit::Fill);
    return bitmap;
}

void CWallpaperMaker::DrawOnCanvas(const Canvas24& canvas, const RECT& place, PictureFit fit) const
{
    SourceBytes();  // throws for a size the scaler cannot step through
    const TurnedView view = TurnView(orientation_, width_, height_);
    const std::int64_t placeWidth = std::int64_t{place.right} - place.left;
    const std::int64_t placeHeight = std::int64_t{place.bottom} - place.top;
    std::optional<FittedSize> size;
    switch (fit) {
    case PictureFit::Own: size = FittedSize{view.width, view.height, true}; break;
    case PictureFit::Fit: size = FitSize(view.width, view.height, placeWidth, placeHeight); break;
    case PictureFit::Fill: size = FillSize(view.width, view.height, placeWidth, placeHeight); break;
    }
    if (!size)
        throw CWallpaperException("invalid desktop size");
    const std::optional<Placement> shown =
        PlaceCentred(size->width, size->height, place.left, place.top, place.right,
                     place.bottom, canvas.width, canvas.height);
    if (!shown)
        return;
    const void* bits = nullptr;
    const UniqueGdiObject source = Pixels24(bits);
    const auto* src = static_cast<const std::uint8_t*>(bits);
    const std::size_t stride = CanvasStride(canvas.width);
    std::uint8_t* dst = canvas.bits + static_cast<std::size_t>(shown->canvasRow) * stride +
                        static_cast<std::size_t>(shown->canvasX) * 3;
    if (size->copy) {
        CopyTurned(src, view, shown->window, dst, stride);
        return;
    }
    FillOrFail([&] {
        BilinearFill(src, view, static_cast<std::int32_t>(size->width),
                     static_cast<std::int32_t>(size->height), shown->window, dst, stride);
    });
}

std::size_t CWallpaperMaker::SourceBytes() const
{
    const std::optional<std::uint32_t> srcBytes = Dib24Bytes(width_, height_);
    if (!srcBytes || *srcBytes > static_cast<std::uint32_t>(PTRDIFF_MAX))
        throw CWallpaperException("invalid picture size");
    return *srcBytes;
}

UniqueGdiObject CWallpaperMaker::FitToDesktop(BITMAPINFO& outInfo, void*& outBits,
                                              const void* srcBits, const RECT& desktop) const
{
    const std::size_t srcBytes = SourceBytes();
    const TurnedView view = TurnView(orientation_, width_, height_);
    const std::optional<FittedSize> fit =
        FitSize(view.width, view.height, std::int64_t{desktop.right} - desktop.left,
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
        if (orientation_ == 1)
            std::memcpy(dst, src, srcBytes);
        else
            CopyTurned(src, view, dst);
        return bitmap;
    }
    FillOrFail([&] { BilinearFill(src, view, dst, outWidth, outHeight); });
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
