#include "tools/benchmarks/BenchModes.h"

#include "imaging/BilinearFill.h"
#include "imaging/DesktopFit.h"
#include "imaging/JpegDecode.h"
#include "imaging/WallpaperMaker.h"
#include "portable/DibLayout.h"
#include "win32/WholeFile.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

// quality PICTURE WIDTH HEIGHT OUT: the JPEG decoded whole and fitted to WIDTH x HEIGHT by the
// scaler, as the program fitted every photo before it decoded at a reduced scale; tools/bench
// compares it and the program's own output with a reference resize.
int RunQualityBench(const std::vector<std::string>& arguments)
{
    std::vector<std::uint8_t> file;
    if (ReadWholeFile(arguments[0], LONG_MAX, [&](DWORD size) -> void* {
            file.resize(size);
            return file.data();
        }) != ReadFailure::None)
        return 1;
    JpegSides sides;
    if (!JpegReadSides(file.data(), file.size(), &sides))
        return 1;
    const std::int32_t width = static_cast<std::int32_t>(sides.width[kJpegScales - 1]);
    const std::int32_t height = static_cast<std::int32_t>(sides.height[kJpegScales - 1]);
    const auto stride = static_cast<std::ptrdiff_t>(DibStride(static_cast<std::uint64_t>(width), 24));
    std::vector<std::uint8_t> whole(static_cast<std::size_t>(stride) * height);
    const JpegPart part{kJpegScales, 0, 0, static_cast<std::uint32_t>(width),
                        static_cast<std::uint32_t>(height)};
    if (!JpegDecode(file.data(), file.size(), &part, std::size_t{1} << 30,
                    whole.data() + (height - 1) * stride, -stride))
        return 1;
    const auto fit = FitSize(width, height, std::atoi(arguments[1].c_str()),
                             std::atoi(arguments[2].c_str()));
    if (!fit)
        return 1;
    BITMAPINFO info;
    void* bits = nullptr;
    const UniqueGdiObject fitted = CWallpaperMaker::CreateDib24(
        info, bits, static_cast<int>(fit->width), static_cast<int>(fit->height));
    BilinearFill(whole.data(), width, height, static_cast<std::uint8_t*>(bits),
                 static_cast<std::int32_t>(fit->width), static_cast<std::int32_t>(fit->height));
    CWallpaperMaker::SaveBitmapFile(arguments[3], info, bits);
    return 0;
}
