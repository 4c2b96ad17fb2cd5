#include "plugins/ifwic/BgraToDib.h"

#include "portable/DibLayout.h"

#include <cstddef>
#include <cstring>

void BgraToBottomUpBgr24(const std::uint8_t* bgra, std::uint32_t width, std::uint32_t height,
                         std::uint8_t* dib)
{
    const auto stride = static_cast<std::size_t>(DibStride(width, 24));
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint8_t* in = bgra + static_cast<std::size_t>(y) * width * 4;
        std::uint8_t* out = dib + static_cast<std::size_t>(height - 1 - y) * stride;
        for (std::uint32_t x = 0; x < width; ++x, in += 4, out += 3) {
            const unsigned alpha = in[3];
            for (int c = 0; c < 3; ++c)
                out[c] = static_cast<std::uint8_t>((in[c] * alpha + 127) / 255);
        }
        std::memset(out, 0, stride - static_cast<std::size_t>(width) * 3);
    }
}
