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
#include <optional>
#include <stdexcept>
#include <utility>

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
    const StoredPixels source = Pixels24(width_, height_);
    const TurnedView view = TurnView(orientation_, source.width, source.height, source.stride);
    BITMAPINFO info;
    void* turned = nullptr;
    const UniqueGdiObject bitmap = CreateDib24(info, turned, view.width, view.height);
    CopyTurned(source.bits, view, static_cast<std::uint8_t*>(turned));
    SaveBitmapFile(outPath, info, turned);
}

void CWallpaperMaker::WriteFittedBitmap(const std::string& outPath, const RECT& desktop,
                                        bool fill) const
{
    BITMAPINFO info;
    void* bits = nullptr;
    UniqueGdiObject bitmap;
    if (fill) {
        bitmap = FillBitmap(info, bits, desktop.right - desktop.left, desktop.bottom - desktop.top);
    } else {
        const FittedSize size = ShownSize(std::int64_t{desktop.right} - desktop.left,
                                          std::int64_t{desktop.bottom} - desktop.top,
                                          PictureFit::Fit);
        bitmap = ScaleInto(info, bits, PixelsFor(size), size);
    }
    SaveBitmapFile(outPath, info, bits);
}

void CWallpaperMaker::DrawPreview(HDC hdc, const RECT& box, const RECT* fillDesktop) const
{
    PaintPreviewBackground(hdc, box);
    const bool swapped = SwapsSides(orientation_);
    const std::optional<PreviewRect> place =
        fillDesktop != nullptr
            ? PreviewLayout(fillDesktop->right - fillDesktop->left,
                            fillDesktop->bottom - fillDesktop->top, box.left, box.top,
                            box.right, box.bottom)
            : PreviewLayout(swapped ? height_ : width_, swapped ? width_ : height_, box.left,
                            box.top, box.right, box.bottom);
    if (!place)
        throw CWallpaperException(fillDesktop != nullptr ? "invalid desktop size"
                                                          : "invalid picture size");
    if (fillDesktop != nullptr) {
        // A filled picture is drawn by the scaler, which reads it through the turn.
        BITMAPINFO info;
        void* shown = nullptr;
        const UniqueGdiObject bitmap = FillBitmap(info, shown, place->cx, place->cy);
        SetDIBitsToDevice(hdc, place->x, place->y, static_cast<DWORD>(place->cx),
                          static_cast<DWORD>(place->cy), 0, 0, 0, static_cast<UINT>(place->cy),
                          shown, &info, DIB_RGB_COLORS);
    } else if (orientation_ == 1) {
        Render(hdc, place->x, place->y, place->cx, place->cy);
    } else {
        DrawScaled(hdc, place->x, place->y, place->cx, place->cy, orientation_);
    }
}

void CWallpaperMaker::DrawScaled(HDC hdc, int x, int y, int cx, int cy, int orientation) const
{
    const bool swapped = SwapsSides(orientation);
    const StoredPixels source = Pixels24(swapped ? cy : cx, swapped ? cx : cy);
    const TurnedView view = TurnView(orientation, source.width, source.height, source.stride);
    BITMAPINFO info;
    void* shown = nullptr;
    const UniqueGdiObject bitmap = CreateDib24(info, shown, cx, cy);
    FillOrFail([&] { BilinearFill(source.bits, view, static_cast<std::uint8_t*>(shown), cx, cy); });
    SetDIBitsToDevice(hdc, x, y, static_cast<DWORD>(cx), static_cast<DWORD>(cy), 0, 0, 0,
                      static_cast<UINT>(cy), shown, &info, DIB_RGB_COLORS);
}

UniqueGdiObject CWallpaperMaker::FillBitmap(BITMAPINFO& info, void*& bits, int width,
                                            int height) const
{
    UniqueGdiObject bitmap = CreateDib24(info, bits, width, height);
    DrawOnCanvas(Canvas24{static_cast<std::uint8_t*>(bits), width, height},
                 RECT{0, 0, width, height}, PictureFit::Fill);
    return bitmap;
}

FittedSize CWallpaperMaker::ShownSize(std::int64_t width, std::int64_t height,
                                      PictureFit fit) const
{
    if (width_ <= 0 || height_ <= 0)
        throw CWallpaperException("invalid picture size");
    const bool swapped = SwapsSides(orientation_);
    const std::int64_t shownWidth = swapped ? height_ : width_;
    const std::int64_t shownHeight = swapped ? width_ : height_;
    std::optional<FittedSize> size;
    switch (fit) {
    case PictureFit::Own: size = FittedSize{shownWidth, shownHeight, true}; break;
    case PictureFit::Fit: size = FitSize(shownWidth, shownHeight, width, height); break;
    case PictureFit::Fill: size = FillSize(shownWidth, shownHeight, width, height); break;
    }
    if (!size)
        throw CWallpaperException("invalid desktop size");
    return *size;
}

CWallpaperMaker::StoredPixels CWallpaperMaker::PixelsFor(const FittedSize& size) const
{
    return SwapsSides(orientation_) ? Pixels24(size.height, size.width)
                                    : Pixels24(size.width, size.height);
}

void CWallpaperMaker::DrawOnCanvas(const Canvas24& canvas, const RECT& place, PictureFit fit) const
{
    const FittedSize size = ShownSize(std::int64_t{place.right} - place.left,
                                      std::int64_t{place.bottom} - place.top, fit);
    const std::optional<Placement> shown =
        PlaceCentred(size.width, size.height, place.left, place.top, place.right,
                     place.bottom, canvas.width, canvas.height);
    if (!shown)
        return;
    const std::size_t stride = CanvasStride(canvas.width);
    std::uint8_t* dst = canvas.bits + static_cast<std::size_t>(shown->canvasRow) * stride +
                        static_cast<std::size_t>(shown->canvasX) * 3;
    if (size.copy) {
        // At its own size only the part that shows is asked for.
        const PixelWindow part = StoredWindow(orientation_, width_, height_, shown->window);
        const StoredPixels source = PartPixels24(part);
        const TurnedView view = TurnView(orientation_, part.width, part.height, source.stride);
        CopyTurned(source.bits, view,
                   PixelWindow{0, 0, shown->window.width, shown->window.height}, dst, stride);
        return;
    }
    const StoredPixels source = PixelsFor(size);
    const TurnedView view = TurnView(orientation_, source.width, source.height, source.stride);
    if (view.width == size.width && view.height == size.height) {
        CopyTurned(source.bits, view, shown->window, dst, stride);
        return;
    }
    FillOrFail([&] {
        BilinearFill(source.bits, view, static_cast<std::int32_t>(size.width),
                     static_cast<std::int32_t>(size.height), shown->window, dst, stride);
    });
}

CWallpaperMaker::StoredPixels CWallpaperMaker::PartPixels24(const PixelWindow& part) const
{
    StoredPixels whole = Pixels24(width_, height_);
    whole.bits += part.bottom * whole.stride + std::ptrdiff_t{part.left} * 3;
    whole.width = part.width;
    whole.height = part.height;
    return whole;
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
    SourceBytes();
    const FittedSize size = ShownSize(std::int64_t{desktop.right} - desktop.left,
                                      std::int64_t{desktop.bottom} - desktop.top, PictureFit::Fit);
    return ScaleInto(outInfo, outBits, WholePixels(UniqueGdiObject(), srcBits), size);
}

CWallpaperMaker::StoredPixels CWallpaperMaker::WholePixels(UniqueGdiObject owner,
                                                           const void* bits) const
{
    StoredPixels pixels;
    pixels.owner = std::move(owner);
    pixels.bits = static_cast<const std::uint8_t*>(bits);
    pixels.width = width_;
    pixels.height = height_;
    pixels.stride = static_cast<std::ptrdiff_t>(CanvasStride(width_));
    return pixels;
}

UniqueGdiObject CWallpaperMaker::ScaleInto(BITMAPINFO& info, void*& bits,
                                           const StoredPixels& source, const FittedSize& size) const
{
    if (!Dib24Bytes(size.width, size.height))
        throw CWallpaperException("failed DIB create");
    const int width = static_cast<int>(size.width);
    const int height = static_cast<int>(size.height);
    UniqueGdiObject bitmap = CreateDib24(info, bits, width, height);
    auto* dst = static_cast<std::uint8_t*>(bits);
    const TurnedView view = TurnView(orientation_, source.width, source.height, source.stride);
    if (view.width != width || view.height != height) {
        FillOrFail([&] { BilinearFill(source.bits, view, dst, width, height); });
    } else if (orientation_ == 1 && source.stride == static_cast<std::ptrdiff_t>(CanvasStride(width))) {
        std::memcpy(dst, source.bits, static_cast<std::size_t>(source.stride) * static_cast<std::size_t>(height));
    } else {
        CopyTurned(source.bits, view, dst);
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
