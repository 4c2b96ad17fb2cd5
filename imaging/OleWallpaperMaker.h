#pragma once
// COleWallpaperMaker: a bmp or gif picture decoded by the OLE picture service.
#include "imaging/WallpaperMaker.h"
#include "win32/ComPtr.h"

#include <ocidl.h>
#include <olectl.h>

#include <string>

class COleWallpaperMaker : public CWallpaperMaker {
public:
    // Reads the whole file and decodes it; throws CWallpaperException, holding nothing.
    explicit COleWallpaperMaker(const std::string& path);

    void Render(HDC hdc, int x, int y, int cx, int cy) const override;

private:
    void WriteStoredBitmap(const std::string& outPath) const override;
    StoredPixels Pixels24(std::int64_t coverWidth, std::int64_t coverHeight) const override;
    // Draws the picture upright into (x, y, cx, cy); the result of IPicture::Render.
    HRESULT Draw(HDC hdc, int x, int y, int cx, int cy) const;
    // The picture drawn into a new 24-bit bitmap of its own size.
    UniqueGdiObject DrawToDib24(BITMAPINFO& info, void*& bits) const;

    // Deletes the picture's bitmap if it outlives the picture: Wine's picture service does
    // not delete it on release, which under a resident run lost a whole decoded picture
    // (92 MiB for 6000 x 4000) at every change.
    class LeftBitmap {
    public:
        LeftBitmap() = default;
        LeftBitmap(const LeftBitmap&) = delete;
        LeftBitmap& operator=(const LeftBitmap&) = delete;
        ~LeftBitmap();
        void Watch(HGDIOBJ bitmap) noexcept { bitmap_ = bitmap; }

    private:
        HGDIOBJ bitmap_ = nullptr;
    };

    // In this order so the picture is released first, then its left bitmap, the stream and
    // the block.
    UniqueGlobal fileData_;
    ComPtr<IStream> stream_;
    LeftBitmap leftBitmap_;
    ComPtr<IPicture> picture_;
    OLE_XSIZE_HIMETRIC himetricWidth_ = 0;
    OLE_YSIZE_HIMETRIC himetricHeight_ = 0;
};
