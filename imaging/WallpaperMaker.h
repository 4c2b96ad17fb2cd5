#pragma once
// CWallpaperMaker: one decoded picture, and the bitmap machinery its derived classes share.
#include "imaging/Canvas.h"
#include "imaging/DesktopFit.h"
#include "imaging/PictureFit.h"
#include "win32/Exception.h"
#include "win32/UniqueHandle.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

class CWallpaperMaker {
public:
    // Every failure of the imaging subsystem, as seen from outside it.
    class CWallpaperException : public CException {
    public:
        using CException::CException;
    };

    CWallpaperMaker(const CWallpaperMaker&) = delete;
    CWallpaperMaker& operator=(const CWallpaperMaker&) = delete;
    virtual ~CWallpaperMaker();

    // Writes the picture as shown (turned by its orientation) at its own size to the BMP
    // file outPath.
    void WriteBitmap(const std::string& outPath) const;
    // Writes the picture as shown, scaled to fit the desktop rectangle, aspect ratio kept;
    // with fill, scaled to cover it and cut to its size.
    void WriteFittedBitmap(const std::string& outPath, const RECT& desktop, bool fill) const;
    // Draws the picture as shown into place (canvas pixels from its top-left corner) by fit,
    // centred and cut at the place's edges; the rest of the canvas is left as it is.
    void DrawOnCanvas(const Canvas24& canvas, const RECT& place, PictureFit fit) const;
    // Draws the whole picture as stored, stretched into (x, y, cx, cy) of hdc.
    virtual void Render(HDC hdc, int x, int y, int cx, int cy) const = 0;

    // Light grey over the box from (0, 0), then the picture as shown centred in it at the
    // box's 4:3; with fillDesktop, covering the desktop's shape centred in the box as the
    // filled wallpaper would cover the desktop.
    void DrawPreview(HDC hdc, const RECT& box, const RECT* fillDesktop = nullptr) const;

    // The EXIF orientation (1 to 8) to show the picture in, once, after decoding.
    void SetOrientation(int orientation) noexcept { orientation_ = orientation; }

    // A new 24-bit bitmap holding srcBits (a bottom-up 24-bit picture of Width() x Height())
    // as shown, fitted to the desktop; outInfo and outBits describe it. Empty sizes are
    // refused.
    UniqueGdiObject FitToDesktop(BITMAPINFO& outInfo, void*& outBits, const void* srcBits,
                                 const RECT& desktop) const;

    // A new all-zero bottom-up 24-bit DIB section; info is filled and bits receives its pixels.
    static UniqueGdiObject CreateDib24(BITMAPINFO& info, void*& bits, int width, int height);

    // Writes info (header, and 256 colour entries for 8 bits per pixel) and bits as a BMP
    // file. The target is replaced only once every byte was written.
    static void SaveBitmapFile(const std::string& path, const BITMAPINFO& info, const void* bits);

    // As stored, before any turn.
    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }

protected:
    CWallpaperMaker() = default;

    // Bottom-up 24-bit rows of width x height pixels, stride bytes apart from bits; owner
    // keeps them alive (null when they are the picture's own).
    struct StoredPixels {
        UniqueGdiObject owner;
        const std::uint8_t* bits = nullptr;
        std::int32_t width = 0;
        std::int32_t height = 0;
        std::ptrdiff_t stride = 0;
    };

    // The whole stored picture in bottom-up 24-bit rows at bits, kept alive by owner.
    StoredPixels WholePixels(UniqueGdiObject owner, const void* bits) const;

    // Writes the picture at its own size, as stored, in the decoder's own bit depth.
    virtual void WriteStoredBitmap(const std::string& outPath) const = 0;
    // The picture as stored, whole. A decoder that can decode smaller may give fewer pixels,
    // as long as each side is at least coverWidth x coverHeight (stored sides).
    virtual StoredPixels Pixels24(std::int64_t coverWidth, std::int64_t coverHeight) const = 0;
    // The part of the stored picture at its own size; by default cut from the whole.
    virtual StoredPixels PartPixels24(const PixelWindow& part) const;
    // The picture under orientation, scaled into (x, y, cx, cy) of hdc by the scaler from the
    // fewest pixels the decoder can give for that size.
    void DrawScaled(HDC hdc, int x, int y, int cx, int cy, int orientation) const;
    // Called once by the derived constructor after decoding.
    void SetSize(int width, int height) noexcept
    {
        width_ = width;
        height_ = height;
    }

private:
    // The stored picture's 24-bit bytes. Sizes are checked before any division or
    // allocation; the scaler steps through the rows with signed offsets.
    std::size_t SourceBytes() const;
    // The shown size of the picture fitted to (or filling) a place of width x height.
    FittedSize ShownSize(std::int64_t width, std::int64_t height, PictureFit fit) const;
    // Enough pixels for the picture shown at size.
    StoredPixels PixelsFor(const FittedSize& size) const;
    // A new DIB of size holding the picture from pixels, scaled unless they have that size.
    UniqueGdiObject ScaleInto(BITMAPINFO& info, void*& bits, const StoredPixels& pixels,
                              const FittedSize& size) const;
    // Draws the picture scaled to fill into a new DIB of the size given; info and bits
    // describe it.
    UniqueGdiObject FillBitmap(BITMAPINFO& info, void*& bits, int width, int height) const;

    int width_ = 0;
    int height_ = 0;
    int orientation_ = 1;
};
