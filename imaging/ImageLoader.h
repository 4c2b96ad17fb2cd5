#pragma once
// CImageLoader: turns an image file name into a decoded picture and acts on it.
#include "imaging/PictureFit.h"
#include "imaging/WallpaperMaker.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class CSpiManager;

// One monitor's picture: place is its rectangle in virtual-screen coordinates.
struct MonitorPicture {
    std::string path;
    RECT place;
};

class CImageLoader {
public:
    // plugins: the loaded plug-ins, for files that are not jpg, jpeg, bmp or gif; null for none.
    explicit CImageLoader(CSpiManager* plugins) noexcept : plugins_(plugins) {}
    CImageLoader(const CImageLoader&) = delete;
    CImageLoader& operator=(const CImageLoader&) = delete;

    // Drops the picture held so far, then decodes path with the decoder its type calls
    // for; after a failure the loader holds none. A JPEG is only read here and its header
    // checked: each job decodes it at the scale it needs, and may fail then.
    void Load(const std::string& path);
    void MakeWallpaper(const std::string& path, const std::string& outPath);
    void MakeFittedWallpaper(const std::string& path, const std::string& outPath,
                             const RECT& desktop, bool fill);
    // One canvas the size of screen in the background colour, each picture on it in its
    // place by fit, decoded one at a time; then turned round so that tileOrigin (a point of
    // screen) is the written bitmap's top-left corner.
    void MakeMonitorWallpaper(const std::vector<MonitorPicture>& pictures, const RECT& screen,
                              POINT tileOrigin, PictureFit fit, COLORREF background,
                              const std::string& outPath);
    // The light-grey box is painted even when the file does not load. fillDesktop: as
    // CWallpaperMaker::DrawPreview.
    void DrawPreview(const std::string& path, HDC hdc, const RECT& box,
                     const RECT* fillDesktop = nullptr);

    bool IsLoaded() const noexcept { return maker_ != nullptr; }

private:
    CSpiManager* plugins_;
    std::unique_ptr<CWallpaperMaker> maker_;
};
