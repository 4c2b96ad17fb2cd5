#include "imaging/ImageLoader.h"

#include "imaging/ExifOrientation.h"
#include "imaging/FileExtension.h"
#include "imaging/OleWallpaperMaker.h"
#include "imaging/PreviewBackground.h"
#include "imaging/SpiManager.h"
#include "imaging/SpiWallpaperMaker.h"
#include "win32/AnsiPath.h"
#include "win32/UniqueHandle.h"

#include <cstdint>
#include <vector>

namespace {

// The orientation stored in the file, whichever decoder made the pixels: none of ours turns
// them. A file that cannot be read again shows as stored.
int FileOrientation(const std::string& path)
{
    const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    std::vector<std::uint8_t> head(kOrientationHeadBytes);
    DWORD read = 0;
    if (!file || !ReadFile(file.get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr))
        return 1;
    return PictureOrientation(head.data(), read);
}

}  // namespace

void CImageLoader::Load(const std::string& path)
{
    maker_.reset();
    std::unique_ptr<CWallpaperMaker> maker;
    if (IsOleImage(TypeNameOf(path))) {
        maker = std::make_unique<COleWallpaperMaker>(path);
    } else {
        if (plugins_ == nullptr || !plugins_->Supports(path))
            throw CWallpaperMaker::CWallpaperException("サポートしていないフォーマットです");
        maker = std::make_unique<CSpiWallpaperMaker>(path, *plugins_);
    }
    maker->SetOrientation(FileOrientation(path));
    maker_ = std::move(maker);
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
