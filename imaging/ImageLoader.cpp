#include "imaging/ImageLoader.h"

#include "imaging/FileExtension.h"
#include "imaging/ImageType.h"
#include "imaging/OleWallpaperMaker.h"
#include "imaging/PreviewBackground.h"
#include "imaging/SpiManager.h"
#include "imaging/SpiWallpaperMaker.h"

namespace {

// The decoder for a file that is not jpg, bmp or gif, or none when no plug-in takes it.
std::unique_ptr<CWallpaperMaker> MakePluginPicture(const std::string& path)
{
    CSpiManager* manager = GetSpiManager();
    if (manager == nullptr || !manager->Supports(path))
        return nullptr;
    return std::make_unique<CSpiWallpaperMaker>(path, *manager);
}

}  // namespace

void CImageLoader::Load(const std::string& path)
{
    maker_.reset();
    if (IsOleImage(path)) {
        maker_ = std::make_unique<COleWallpaperMaker>(path);
        return;
    }
    maker_ = MakePluginPicture(path);
    if (!maker_)
        throw CWallpaperMaker::CWallpaperException("サポートしていないフォーマットです");
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
