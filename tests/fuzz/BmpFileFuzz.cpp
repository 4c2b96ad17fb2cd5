// libFuzzer target: any bytes as a BMP file through BmpFitsInFile. The bytes sit in an
// allocation of exactly their size; an accepted uncompressed file must have its last pixel
// (not counting the last row's padding) inside them, which is checked by reading it.
#include "imaging/BmpFileCheck.h"
#include "tests/support/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> file(data, data + size);
    if (!BmpFitsInFile(file.data(), file.size()) || size < 54 || file[0] != 'B' || file[1] != 'M')
        return 0;
    if (Get32(file, 14) < 40 || Get32(file, 30) != 0)
        return 0;
    const auto width = static_cast<std::int32_t>(Get32(file, 18));
    const auto height = static_cast<std::int32_t>(Get32(file, 22));
    const std::uint32_t bits = Get16(file, 28);
    const std::uint64_t rows = height < 0 ? -std::int64_t{height} : height;
    const std::uint64_t rowBytes = (std::uint64_t(width) * bits + 7) / 8;
    const std::uint64_t stride = (rowBytes + 3) / 4 * 4;
    const std::uint64_t end = Get32(file, 10) + stride * (rows - 1) + rowBytes;
    if (end == 0 || end > size)
        std::abort();
    volatile std::uint8_t last = file[end - 1];
    (void)last;
    return 0;
}
