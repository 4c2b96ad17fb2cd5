#pragma once
// CWallpaperMaker: one decoded picture, and the bitmap machinery its derived classes share.
#include "imaging/Canvas.h"
#include "imaging/PictureFit.h"
#include "win32/Exception.h"
#include "win32/UniqueHandle.h"

#include <windows.h>

#include <cstddef>
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
    // Writes the picture at its own size, as stored, in the decoder's own bit depth.
    virtual void WriteStoredBitmap(const std::string& outPath) const = 0;
    // The picture as bottom-up 24-bit rows of Width() x Height(): bits points into the
    // picture itself or into the returned bitmap, which the caller keeps while reading.
    virtual UniqueGdiObject Pixels24(const void*& bits) const = 0;
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
    // Draws the picture scaled to fill into a new DIB of the size given; info and bits
    // describe it.
    UniqueGdiObject FillBitmap(BITMAPINFO& info, void*& bits, int width, int height) const;

    int width_ = 0;
    int height_ = 0;
    int orientation_ = 1;
};
