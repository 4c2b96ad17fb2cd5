#pragma once
// CImageLoader: turns an image file name into a decoded picture and acts on it.
#include "imaging/WallpaperMaker.h"

#include <windows.h>

#include <memory>
#include <string>

class CSpiManager;

class CImageLoader {
public:
    // plugins: the loaded plug-ins, for files that are not jpg, bmp or gif; null for none.
    explicit CImageLoader(CSpiManager* plugins) noexcept : plugins_(plugins) {}
    CImageLoader(const CImageLoader&) = delete;
    CImageLoader& operator=(const CImageLoader&) = delete;

    // Drops the picture held so far, then decodes path with the decoder its type calls
    // for; after a failure the loader holds none.
    void Load(const std::string& path);
    void MakeWallpaper(const std::string& path, const std::string& outPath);
    void MakeFittedWallpaper(const std::string& path, const std::string& outPath,
                             const RECT& desktop);
    // The light-grey box is painted even when the file does not load.
    void DrawPreview(const std::string& path, HDC hdc, const RECT& box);

    bool IsLoaded() const noexcept { return maker_ != nullptr; }

private:
    CSpiManager* plugins_;
    std::unique_ptr<CWallpaperMaker> maker_;
};
