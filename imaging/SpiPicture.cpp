#include "imaging/SpiPicture.h"

#include "portable/ByteOrder.h"

#include <cstring>

namespace {

// One run of set bits (or none).
bool IsContiguous(std::uint32_t mask)
{
    if (mask == 0)
        return true;
    while ((mask & 1) == 0)
        mask >>= 1;
    return (mask & (mask + 1)) == 0;
}

struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m) : mask(m)
    {
        if (mask == 0)
            return;
        while (((mask >> shift) & 1) == 0)
            ++shift;
        while (bits + shift < 32 && ((mask >> (shift + bits)) & 1) != 0)
            ++bits;
    }

    // Wider channels keep their top 8 bits; narrower ones repeat their bits (5 bits: v<<3|v>>2).
    std::uint8_t Expand(std::uint32_t pixel) const
    {
        if (bits == 0)
            return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return static_cast<std::uint8_t>(v >> (bits - 8));
        std::uint32_t out = 0;
        for (int pos = 8; pos > 0; pos -= bits)
            out |= pos >= bits ? v << (pos - bits) : v >> (bits - pos);
        return static_cast<std::uint8_t>(out);
    }
};

void ConvertToBgr24(const SpiPictureLayout& layout, const std::uint8_t* pixels,
                    std::uint8_t* out)
{
    const Channel red(layout.masks[0]);
    const Channel green(layout.masks[1]);
    const Channel blue(layout.masks[2]);
    const std::size_t outStride = static_cast<std::size_t>(DibStride(layout.width, 24));
    const int bytes = layout.bitCount / 8;
    for (std::int32_t y = 0; y < layout.height; ++y) {
        const std::uint8_t* in = pixels + static_cast<std::size_t>(y) * layout.stride;
        const std::int32_t row = layout.topDown ? layout.height - 1 - y : y;
        std::uint8_t* at = out + static_cast<std::size_t>(row) * outStride;
        for (std::int32_t x = 0; x < layout.width; ++x, in += bytes, at += 3) {
            const std::uint32_t pixel = bytes == 2 ? Le16(in) : Le32(in);
            at[0] = blue.Expand(pixel);
            at[1] = green.Expand(pixel);
            at[2] = red.Expand(pixel);
        }
    }
}

void FlipRows(const SpiPictureLayout& layout, const std::uint8_t* pixels, std::uint8_t* out)
{
    for (std::int32_t y = 0; y < layout.height; ++y) {
        std::memcpy(out + static_cast<std::size_t>(layout.height - 1 - y) * layout.stride,
                    pixels + static_cast<std::size_t>(y) * layout.stride, layout.stride);
    }
}

}  // namespace

std::optional<SpiPictureLayout> CheckSpiPicture(const std::uint8_t* info, std::size_t infoSize,
                                                std::size_t pixelSize)
{
    if (info == nullptr || infoSize < kDibHeaderSize)
        return std::nullopt;
    SpiPictureLayout layout;
    layout.headerSize = Le32(info + DibField::kSize);
    if (layout.headerSize < kDibHeaderSize || layout.headerSize > infoSize)
        return std::nullopt;

    const auto width = static_cast<std::int32_t>(Le32(info + DibField::kWidth));
    const std::int64_t height = static_cast<std::int32_t>(Le32(info + DibField::kHeight));
    if (width <= 0 || width > kMaxPictureSide || height == 0 || height > kMaxPictureSide
        || height < -kMaxPictureSide)
        return std::nullopt;
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = static_cast<std::int32_t>(layout.topDown ? -height : height);

    layout.bitCount = Le16(info + DibField::kBitCount);
    const std::uint32_t compression = Le32(info + DibField::kCompression);
    switch (layout.bitCount) {
    case 1:
    case 4:
    case 8: {
        if (compression != kBiRgb)
            return std::nullopt;
        const std::uint32_t most = 1u << layout.bitCount;
        const std::uint32_t used = Le32(info + DibField::kClrUsed);
        layout.colorCount = used == 0 || used > most ? most : used;
        if (std::uint64_t{layout.headerSize} + std::uint64_t{layout.colorCount} * 4 > infoSize)
            return std::nullopt;
        break;
    }
    case 24:
        if (compression != kBiRgb)
            return std::nullopt;
        break;
    case 16:
    case 32:
        if (compression == kBiBitfields) {
            if (infoSize < DibField::kMasks + 12)
                return std::nullopt;
            for (int i = 0; i < 3; ++i)
                layout.masks[i] = Le32(info + DibField::kMasks + 4 * i);
        } else if (compression == kBiRgb) {
            const bool wide = layout.bitCount == 32;
            layout.masks[0] = wide ? 0x00FF0000 : 0x7C00;
            layout.masks[1] = wide ? 0x0000FF00 : 0x03E0;
            layout.masks[2] = wide ? 0x000000FF : 0x001F;
        } else {
            return std::nullopt;
        }
        for (std::uint32_t mask : layout.masks) {
            if (!IsContiguous(mask))
                return std::nullopt;
        }
        break;
    default:
        return std::nullopt;
    }

    const std::uint64_t stride = DibStride(static_cast<std::uint32_t>(width), layout.bitCount);
    if (stride * static_cast<std::uint64_t>(layout.height) > pixelSize)
        return std::nullopt;
    layout.stride = static_cast<std::size_t>(stride);
    return layout;
}

SpiDib NormalizeSpiPicture(const SpiPictureLayout& layout, const std::uint8_t* info,
                           const std::uint8_t* pixels)
{
    SpiDib dib;
    dib.info.assign(kDibInfoSize, 0);
    std::uint8_t* header = dib.info.data();
    std::memcpy(header, info, kDibHeaderSize);
    PutLe32(header + DibField::kSize, kDibHeaderSize);
    PutLe32(header + DibField::kHeight, static_cast<std::uint32_t>(layout.height));
    PutLe16(header + DibField::kPlanes, 1);
    PutLe32(header + DibField::kCompression, kBiRgb);

    const bool converted = layout.bitCount == 16 || layout.bitCount == 32;
    if (layout.bitCount <= 8) {
        if (Le32(info + DibField::kClrUsed) != 0)
            PutLe32(header + DibField::kClrUsed, layout.colorCount);
        if (Le32(info + DibField::kClrImportant) > layout.colorCount)
            PutLe32(header + DibField::kClrImportant, 0);
        std::memcpy(header + kDibHeaderSize, info + layout.headerSize,
                    std::size_t{layout.colorCount} * 4);
    } else {
        PutLe32(header + DibField::kClrUsed, 0);
        PutLe32(header + DibField::kClrImportant, 0);
    }
    if (converted) {
        PutLe16(header + DibField::kBitCount, 24);
        PutLe32(header + DibField::kSizeImage, 0);
        dib.pixels.assign(
            static_cast<std::size_t>(DibStride(layout.width, 24)) * layout.height, 0);
        ConvertToBgr24(layout, pixels, dib.pixels.data());
    } else if (layout.topDown) {
        dib.pixels.resize(layout.stride * layout.height);
        FlipRows(layout, pixels, dib.pixels.data());
    }
    return dib;
}
