// libFuzzer target: any bytes as a JPEG file through the decoding unit, in an allocation of
// exactly their size, with libjpeg-turbo's memory limited. A part at a scale picked by the
// last byte (after the end marker, where libjpeg never looks) is decoded into rows of exactly
// its size; a refusal is an answer, a crash, a leak or a write outside the rows is not.
#include "imaging/JpegDecode.h"
#include "portable/DibLayout.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> file(data, data + size);
    JpegSides sides;
    if (!JpegReadSides(file.data(), file.size(), &sides))
        return 0;
    for (int i = 0; i + 1 < kJpegScales; ++i)
        Check(sides.width[i] <= sides.width[i + 1] && sides.height[i] <= sides.height[i + 1]);
    const int scale = JpegCoveringScale(&sides, sides.width[3], sides.height[3]);
    Check(scale >= 1 && scale <= 4);
    // Decoding reads the whole picture's data up to the part: keep each run short.
    if (std::uint64_t{sides.width[kJpegScales - 1]} * sides.height[kJpegScales - 1] > (1u << 24))
        return 0;

    const std::uint8_t pick = size > 0 ? data[size - 1] : 0;
    JpegPart part;
    part.scale = 1 + pick % kJpegScales;
    const std::uint32_t width = sides.width[part.scale - 1];
    const std::uint32_t height = sides.height[part.scale - 1];
    part.left = pick % 2 == 0 ? 0 : width / 3;
    part.top = pick % 4 < 2 ? 0 : height / 2;
    part.width = std::min<std::uint32_t>(width - part.left, 300);
    part.height = std::min<std::uint32_t>(height - part.top, 200);
    const auto stride = static_cast<std::size_t>(DibStride(part.width, 24));
    std::vector<std::uint8_t> rows(stride * part.height);
    JpegDecode(file.data(), file.size(), &part, 256u << 20, rows.data() + stride * (part.height - 1),
               -static_cast<std::ptrdiff_t>(stride));
    return 0;
}
