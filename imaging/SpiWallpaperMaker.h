#pragma once
// CSpiWallpaperMaker: a picture decoded by a Susie plug-in.
#include "imaging/SpiLocalBlock.h"
#include "imaging/SpiPicture.h"
#include "imaging/WallpaperMaker.h"

#include <string>

class CSpiManager;

class CSpiWallpaperMaker : public CWallpaperMaker {
public:
    // Decodes path with the manager's plug-in for it and checks what the plug-in returned.
    // Throws CWallpaperException: a plug-in failure with its own text, unreadable output
    // with "Failed Spi Load Picture". Keeps nothing of the manager.
    CSpiWallpaperMaker(const std::string& path, CSpiManager& manager);

    void Render(HDC hdc, int x, int y, int cx, int cy) const override;

private:
    void WriteStoredBitmap(const std::string& outPath) const override;
    StoredPixels Pixels24(std::int64_t coverWidth, std::int64_t coverHeight) const override;
    struct Decoded {
        UniqueLocal info;
        UniqueLocal pixels;
    };
    static Decoded Decode(const std::string& path, CSpiManager& manager);
    explicit CSpiWallpaperMaker(Decoded decoded);

    const BITMAPINFO& Info() const noexcept;
    const void* Pixels() const noexcept;

    CSpiLocalBlock info_;
    CSpiLocalBlock pixels_;
    // Bottom-up rows at 1, 4, 8 or 24 bits with a 40-byte header; see NormalizeSpiPicture.
    SpiDib dib_;
};
