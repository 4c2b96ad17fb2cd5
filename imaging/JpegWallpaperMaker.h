#pragma once
// CJpegWallpaperMaker: a jpg or jpeg picture decoded by libjpeg-turbo, each time at the
// smallest scale the work at hand needs, and only the part of it that shows.
#include "imaging/JpegDecode.h"
#include "imaging/WallpaperMaker.h"

#include <cstdint>
#include <memory>
#include <string>

class CJpegWallpaperMaker : public CWallpaperMaker {
public:
    // Reads the whole file and its header; throws CWallpaperException, as the picture
    // service did: "failed ole load" for a picture libjpeg-turbo refuses.
    explicit CJpegWallpaperMaker(const std::string& path);

    void Render(HDC hdc, int x, int y, int cx, int cy) const override;

private:
    void WriteStoredBitmap(const std::string& outPath) const override;
    StoredPixels Pixels24(std::int64_t coverWidth, std::int64_t coverHeight) const override;
    StoredPixels PartPixels24(const PixelWindow& part) const override;
    // part decoded into a new DIB; info describes it. A picture that does not decode, or
    // does not fit in memory, fails with "failed ole load".
    StoredPixels Decode(const JpegPart& part, BITMAPINFO& info) const;

    std::unique_ptr<std::uint8_t[]> file_;
    std::size_t size_ = 0;
    JpegSides sides_ = {};
};
