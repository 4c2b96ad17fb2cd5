// libFuzzer target: any bytes as a whole file through PictureOrientation, in an allocation
// of exactly their size. The answer is always an orientation, never a read past the bytes.
#include "imaging/ExifOrientation.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> head(data, data + size);
    const int orientation = PictureOrientation(head.data(), head.size());
    Check(orientation >= 1 && orientation <= 8);
    return 0;
}
