#include "imaging/OleWallpaperMaker.h"

#include "imaging/BmpFileCheck.h"
#include "win32/GdiGuards.h"
#include "win32/WholeFile.h"

#include <climits>
#include <utility>

namespace {

// The whole file in one fixed global block of exactly its size; at most what the decoder
// takes as its signed length, which a program with 4 GB of address space could exceed.
UniqueGlobal ReadPictureFile(const std::string& path, DWORD& size)
{
    UniqueGlobal block;
    const ReadFailure failure =
        ReadWholeFile(path, static_cast<DWORD>(LONG_MAX), [&](DWORD bytes) -> void* {
            size = bytes;
            block.reset(GlobalAlloc(GMEM_NOCOMPACT, bytes));
            return block.get();
        });
    switch (failure) {
    case ReadFailure::None: return block;
    case ReadFailure::Open: throw CWallpaperMaker::CWallpaperException("failed open file");
    case ReadFailure::TooLarge: throw CWallpaperMaker::CWallpaperException("over filesize");
    case ReadFailure::Read: break;
    }
    throw CWallpaperMaker::CWallpaperException("failed read file");
}

}  // namespace

COleWallpaperMaker::LeftBitmap::~LeftBitmap()
{
    // Nothing runs between the picture's release and this check, so the handle cannot
    // have passed to another object.
    if (bitmap_ != nullptr && GetObjectType(bitmap_) == OBJ_BITMAP) {
        const UniqueGdiObject left(bitmap_);
    }
}

COleWallpaperMaker::COleWallpaperMaker(const std::string& path)
{
    DWORD size = 0;
    fileData_ = ReadPictureFile(path, size);
    // A BMP whose header promises more than the file holds makes the decoder read past the
    // block (a crash under Wine): refuse it as any other undecodable file.
    if (!BmpFitsInFile(static_cast<const std::uint8_t*>(fileData_.get()), size))
        throw CWallpaperException("failed ole load");
    if (CreateStreamOnHGlobal(fileData_.get(), FALSE, stream_.put()) != S_OK)
        throw CWallpaperException("failed create stream");
    if (OleLoadPicture(stream_.get(), static_cast<LONG>(size), TRUE, IID_IPicture,
                       picture_.put_void()) != S_OK ||
        !picture_)
        throw CWallpaperException("failed ole load");
    short type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    if (picture_->get_Type(&type) == S_OK && type == PICTYPE_BITMAP &&
        picture_->get_Handle(&handle) == S_OK)
        leftBitmap_.Watch(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(handle)));
    picture_->get_Width(&himetricWidth_);
    picture_->get_Height(&himetricHeight_);

    const WindowDc screen(nullptr);
    if (!screen)
        throw CWallpaperException("failed get dc");
    SetSize(MulDiv(himetricWidth_, GetDeviceCaps(screen.get(), LOGPIXELSX), 2540),
            MulDiv(himetricHeight_, GetDeviceCaps(screen.get(), LOGPIXELSY), 2540));
}

HRESULT COleWallpaperMaker::Draw(HDC hdc, int x, int y, int cx, int cy) const
{
    // HIMETRIC grows upwards: starting at the top and running down keeps the picture upright.
    return picture_->Render(hdc, x, y, cx, cy, 0, himetricHeight_, himetricWidth_,
                            -himetricHeight_, nullptr);
}

UniqueGdiObject COleWallpaperMaker::DrawToDib24(BITMAPINFO& info, void*& bits) const
{
    UniqueGdiObject bitmap = CreateDib24(info, bits, Width(), Height());
    const BitmapDc dc(nullptr, bitmap.get());
    if (Draw(dc.get(), 0, 0, Width(), Height()) != S_OK)
        throw CWallpaperException("failed ole_render");
    GdiFlush();
    return bitmap;
}

void COleWallpaperMaker::WriteStoredBitmap(const std::string& outPath) const
{
    BITMAPINFO info;
    void* bits = nullptr;
    const UniqueGdiObject bitmap = DrawToDib24(info, bits);
    SaveBitmapFile(outPath, info, bits);
}

CWallpaperMaker::StoredPixels COleWallpaperMaker::Pixels24(std::int64_t, std::int64_t) const
{
    BITMAPINFO info;
    void* drawn = nullptr;
    UniqueGdiObject bitmap = DrawToDib24(info, drawn);
    return WholePixels(std::move(bitmap), drawn);
}

void COleWallpaperMaker::Render(HDC hdc, int x, int y, int cx, int cy) const
{
    if (Draw(hdc, x, y, cx, cy) != S_OK)
        throw CWallpaperException("failed ole render");
}
