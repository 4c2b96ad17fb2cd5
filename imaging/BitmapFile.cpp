// CWallpaperMaker::SaveBitmapFile: the BMP writer.
#include "imaging/WallpaperMaker.h"

#include "win32/UniqueHandle.h"
#include "imaging/BitmapLayout.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr char kWriterMutex[] = "BRINDLECOVE_02_WALLTMP";
constexpr DWORD kWriterWait = 10000;
constexpr int kReplaceAttempts = 50;
constexpr DWORD kReplacePause = 20;

// One writer at a time across processes. A one-shot run beside the resident run writes the
// same WALLTMP.bmp, and the second writer would meet the first one's open temporary file
// and fail. A writer that hangs is waited for only a while; one that died passes its turn on.
class WriterTurn {
public:
    WriterTurn() : mutex_(CreateMutexA(nullptr, FALSE, kWriterMutex))
    {
        if (!mutex_)
            return;
        const DWORD waited = WaitForSingleObject(mutex_.get(), kWriterWait);
        held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    }
    ~WriterTurn()
    {
        if (held_)
            ReleaseMutex(mutex_.get());
    }
    WriterTurn(const WriterTurn&) = delete;
    WriterTurn& operator=(const WriterTurn&) = delete;

private:
    UniqueKernelHandle mutex_;
    bool held_ = false;
};

// Replaces the target with the written temporary file. The system may be reading the
// picture in use just then (for another run's change); it lets go within moments.
bool Replace(const std::string& target, const std::string& temporary)
{
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
            return true;
        if (attempt == kReplaceAttempts)
            return false;
        Sleep(kReplacePause);
    }
}

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
    std::memcpy(block.data(), &info.bmiHeader, kDibHeaderSize);
    if (block.size() > kDibHeaderSize) {
        const std::uint32_t entries = PaletteEntriesPresent(info.bmiHeader.biClrUsed);
        std::memcpy(block.data() + kDibHeaderSize, info.bmiColors,
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
    const WriterTurn turn;
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
    if (!Replace(path, temporary)) {
        DeleteFileA(temporary.c_str());
        throw CWallpaperException("failed CreateFile");
    }
}
