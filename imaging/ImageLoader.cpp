#include "imaging/ImageLoader.h"

#include "imaging/ExifOrientation.h"
#include "imaging/FileExtension.h"
#include "imaging/JpegWallpaperMaker.h"
#include "imaging/OleWallpaperMaker.h"
#include "imaging/PreviewBackground.h"
#include "imaging/SpiManager.h"
#include "imaging/SpiWallpaperMaker.h"
#include "win32/AnsiPath.h"
#include "win32/UniqueHandle.h"

#include <cstdint>
#include <vector>

namespace {

// Up to size bytes at offset (SetFilePointer, which Windows 98 has too); 0 on a failure.
std::size_t ReadAt(HANDLE file, std::uint64_t offset, std::uint8_t* into, std::size_t size)
{
    LONG high = static_cast<LONG>(offset >> 32);
    SetLastError(NO_ERROR);
    DWORD read = 0;
    if (size > MAXDWORD ||
        (SetFilePointer(file, static_cast<LONG>(offset), &high, FILE_BEGIN) ==
             INVALID_SET_FILE_POINTER &&
         GetLastError() != NO_ERROR) ||
        !ReadFile(file, into, static_cast<DWORD>(size), &read, nullptr))
        return 0;
    return read;
}

// The orientation stored in the file, whichever decoder made the pixels: none of ours turns
// them. A file that cannot be read again shows as stored.
int StoredOrientation(const std::string& path)
{
    const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    if (!file)
        return 1;
    return FileOrientation([&file](std::uint64_t offset, std::uint8_t* into, std::size_t size) {
        return ReadAt(file.get(), offset, into, size);
    });
}

}  // namespace

void CImageLoader::Load(const std::string& path)
{
    maker_.reset();
    std::unique_ptr<CWallpaperMaker> maker;
    const std::string type = TypeNameOf(path);
    if (IsJpegImage(type)) {
        maker = std::make_unique<CJpegWallpaperMaker>(path);
    } else if (IsBuiltInImage(type)) {
        maker = std::make_unique<COleWallpaperMaker>(path);
    } else {
        if (plugins_ == nullptr || !plugins_->Supports(path))
            throw CWallpaperMaker::CWallpaperException("サポートしていないフォーマットです");
        maker = std::make_unique<CSpiWallpaperMaker>(path, *plugins_);
    }
    maker->SetOrientation(StoredOrientation(path));
    maker_ = std::move(maker);
}

void CImageLoader::MakeWallpaper(const std::string& path, const std::string& outPath)
{
    Load(path);
    maker_->WriteBitmap(outPath);
}

void CImageLoader::MakeFittedWallpaper(const std::string& path, const std::string& outPath,
                                       const RECT& desktop, bool fill)
{
    Load(path);
    maker_->WriteFittedBitmap(outPath, desktop, fill);
}

void CImageLoader::MakeMonitorWallpaper(const std::vector<MonitorPicture>& pictures,
                                        const RECT& screen, POINT tileOrigin, PictureFit fit,
                                        COLORREF background, const std::string& outPath)
{
    BITMAPINFO info;
    void* bits = nullptr;
    const UniqueGdiObject bitmap = CWallpaperMaker::CreateDib24(
        info, bits, screen.right - screen.left, screen.bottom - screen.top);
    const Canvas24 canvas{static_cast<std::uint8_t*>(bits), info.bmiHeader.biWidth,
                          info.bmiHeader.biHeight};
    PaintCanvas(canvas, GetBValue(background), GetGValue(background), GetRValue(background));
    const std::string* loaded = nullptr;
    for (const MonitorPicture& picture : pictures) {
        // One file on every monitor is decoded once.
        if (loaded == nullptr || *loaded != picture.path) {
            Load(picture.path);
            loaded = &picture.path;
        }
        const RECT place = {picture.place.left - screen.left, picture.place.top - screen.top,
                            picture.place.right - screen.left, picture.place.bottom - screen.top};
        maker_->DrawOnCanvas(canvas, place, fit);
    }
    TurnCanvasRound(canvas, tileOrigin.x - screen.left, tileOrigin.y - screen.top);
    CWallpaperMaker::SaveBitmapFile(outPath, info, bits);
}

void CImageLoader::DrawPreview(const std::string& path, HDC hdc, const RECT& box,
                               const RECT* fillDesktop)
{
    PaintPreviewBackground(hdc, box);
    Load(path);
    maker_->DrawPreview(hdc, box, fillDesktop);
}
