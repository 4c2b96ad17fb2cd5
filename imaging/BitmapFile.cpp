// CWallpaperMaker::SaveBitmapFile: the BMP writer.
#include "imaging/WallpaperMaker.h"

#include "imaging/BitmapLayout.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// True when all of count bytes went out.
bool WriteAll(HANDLE file, const void* data, std::uint32_t count)
{
    DWORD written = 0;
    return WriteFile(file, data, count, &written, nullptr) && written == count;
}

// The info block as the file carries it. An 8-bit picture's block holds only the colour
// entries it says it has; the file's missing entries are zero.
std::vector<unsigned char> InfoBlock(const BITMAPINFO& info)
{
    std::vector<unsigned char> block(BmpInfoSize(info.bmiHeader.biBitCount));
    std::memcpy(block.data(), &info.bmiHeader, kBmpInfoHeaderSize);
    if (block.size() > kBmpInfoHeaderSize) {
        const std::uint32_t entries = PaletteEntriesPresent(info.bmiHeader.biClrUsed);
        std::memcpy(block.data() + kBmpInfoHeaderSize, info.bmiColors,
                    entries * sizeof(RGBQUAD));
    }
    return block;
}

void WriteBitmapTo(HANDLE file, const BmpFileHeaderBytes& header,
                   const std::vector<unsigned char>& infoBlock, const void* bits,
                   std::uint32_t imageSize)
{
    if (!WriteAll(file, header.data(), static_cast<std::uint32_t>(header.size())))
        throw CWallpaperMaker::CWallpaperException("failed WriteFile");
    if (!WriteAll(file, infoBlock.data(), static_cast<std::uint32_t>(infoBlock.size())))
        throw CWallpaperMaker::CWallpaperException("failed WriteFile");
    if (!WriteAll(file, bits, imageSize))
        throw CWallpaperMaker::CWallpaperException("failed WriteBitmap");
}

// Beside the target and as long as its path ("WALLTMP.bm~"), so that any target path short
// enough to be written has a temporary path that is too.
std::string TemporaryPath(const std::string& path)
{
    std::string temporary = path;
    if (!temporary.empty())
        temporary.back() = temporary.back() == '~' ? '_' : '~';
    return temporary;
}

}  // namespace

void CWallpaperMaker::SaveBitmapFile(const std::string& path, const BITMAPINFO& info,
                                     const void* bits)
{
    const BITMAPINFOHEADER& head = info.bmiHeader;
    if (head.biBitCount < 8)
        throw CWallpaperException("not support less than 8bit");
    const std::optional<std::uint32_t> imageSize =
        ImageBytes(head.biWidth, head.biHeight, head.biBitCount);
    const std::optional<BmpFileHeaderBytes> header =
        imageSize ? BmpFileHeader(BmpInfoSize(head.biBitCount), *imageSize) : std::nullopt;
    if (!header)
        throw CWallpaperException("invalid bitmap size");
    const std::vector<unsigned char> infoBlock = InfoBlock(info);

    // The picture in use as the wallpaper is replaced only by a completely written file.
    const std::string temporary = TemporaryPath(path);
    {
        UniqueFile file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            throw CWallpaperException("failed CreateFile");
        try {
            WriteBitmapTo(file.get(), *header, infoBlock, bits, *imageSize);
        } catch (const CWallpaperException&) {
            file.reset();
            DeleteFileA(temporary.c_str());
            throw;
        }
    }
    if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(temporary.c_str());
        throw CWallpaperException("failed CreateFile");
    }
}
