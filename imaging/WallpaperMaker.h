#pragma once
// CWallpaperMaker: one decoded picture, and the bitmap machinery its derived classes share.
#include "win32/Exception.h"
#include "win32/UniqueHandle.h"

#include <windows.h>

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

    // Writes the picture at its own size to the BMP file outPath.
    virtual void WriteBitmap(const std::string& outPath) const = 0;
    // Writes the picture scaled to fit the desktop rectangle, aspect ratio kept.
    virtual void WriteFittedBitmap(const std::string& outPath, const RECT& desktop) const = 0;
    // Draws the whole picture stretched into (x, y, cx, cy) of hdc.
    virtual void Render(HDC hdc, int x, int y, int cx, int cy) const = 0;

    // Light grey over the box from (0, 0), then the picture centred in it at the box's 4:3.
    void DrawPreview(HDC hdc, const RECT& box) const;

    // A new 24-bit bitmap holding srcBits (a bottom-up 24-bit picture of Width() x Height())
    // fitted to the desktop; outInfo and outBits describe it. Empty sizes are refused.
    UniqueGdiObject FitToDesktop(BITMAPINFO& outInfo, void*& outBits, const void* srcBits,
                                 const RECT& desktop) const;

    // A new all-zero bottom-up 24-bit DIB section; info is filled and bits receives its pixels.
    static UniqueGdiObject CreateDib24(BITMAPINFO& info, void*& bits, int width, int height);

    // Writes info (header, and 256 colour entries for 8 bits per pixel) and bits as a BMP
    // file. The target is replaced only once every byte was written.
    static void SaveBitmapFile(const std::string& path, const BITMAPINFO& info, const void* bits);

    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }

protected:
    CWallpaperMaker() = default;
    // Called once by the derived constructor after decoding.
    void SetSize(int width, int height) noexcept
    {
        width_ = width;
        height_ = height;
    }

private:
    int width_ = 0;
    int height_ = 0;
};
