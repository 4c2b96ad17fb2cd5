#include "imaging/ImageLoader.h"

#include "imaging/FileExtension.h"
#include "imaging/OleWallpaperMaker.h"
#include "imaging/PreviewBackground.h"
#include "imaging/SpiManager.h"
#include "imaging/SpiWallpaperMaker.h"
#include "win32/AnsiPath.h"

void CImageLoader::Load(const std::string& path)
{
    maker_.reset();
    if (IsOleImage(TypeNameOf(path))) {
        maker_ = std::make_unique<COleWallpaperMaker>(path);
        return;
    }
    if (plugins_ == nullptr || !plugins_->Supports(path))
        throw CWallpaperMaker::CWallpaperException("サポートしていないフォーマットです");
    maker_ = std::make_unique<CSpiWallpaperMaker>(path, *plugins_);
}

void CImageLoader::MakeWallpaper(const std::string& path, const std::string& outPath)
{
    Load(path);
    maker_->WriteBitmap(outPath);
}

void CImageLoader::MakeFittedWallpaper(const std::string& path, const std::string& outPath,
                                       const RECT& desktop)
{
    Load(path);
    maker_->WriteFittedBitmap(outPath, desktop);
}

void CImageLoader::DrawPreview(const std::string& path, HDC hdc, const RECT& box)
{
    PaintPreviewBackground(hdc, box);
    Load(path);
    maker_->DrawPreview(hdc, box);
}
