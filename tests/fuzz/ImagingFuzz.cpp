// libFuzzer target: arbitrary sizes and bytes through the fitting rule, the bilinear fill
// (checked against the plain reference), the BMP byte counts and the preview layout.
#include "tests/fuzz/FuzzCheck.h"
#include "imaging/BilinearFill.h"
#include "imaging/BitmapLayout.h"
#include "imaging/DesktopFit.h"
#include "imaging/PreviewLayout.h"
#include "tests/imaging/ReferenceFill.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Reads fixed-size values from the front of the input; zero once it runs out.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T Take()
    {
        T value{};
        const std::size_t n = sizeof(T) < size_ ? sizeof(T) : size_;
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }
    const std::uint8_t* Rest() const { return data_; }
    std::size_t RestSize() const { return size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// Keeps each run quick: pictures of up to a quarter of a megabyte each way.
constexpr std::uint32_t kMaxBytes = 1u << 18;

void FuzzLayout(Input& in)
{
    const auto width = in.Take<std::int32_t>();
    const auto height = in.Take<std::int32_t>();
    const auto bitCount = in.Take<std::int16_t>();
    const std::optional<std::uint32_t> row = RowBytes(width, bitCount);
    const std::optional<std::uint32_t> image = ImageBytes(width, height, bitCount);
    if (row)
        Check(*row % 4 == 0);
    if (image) {
        Check(row.has_value());
        Check(height == 0 || *image / static_cast<std::uint32_t>(std::llabs(height)) == *row);
        const std::uint32_t info = BmpInfoSize(bitCount);
        const std::optional<BmpFileHeaderBytes> header = BmpFileHeader(info, *image);
        if (header)
            Check((*header)[0] == 'B' && (*header)[1] == 'M' && (*header)[10] == (info + 14) % 256);
    }
}

void FuzzPreview(Input& in)
{
    const auto width = in.Take<std::int32_t>();
    const auto height = in.Take<std::int32_t>();
    const auto left = in.Take<std::int32_t>();
    const auto top = in.Take<std::int32_t>();
    const auto right = in.Take<std::int32_t>();
    const auto bottom = in.Take<std::int32_t>();
    const std::optional<PreviewRect> r = PreviewLayout(width, height, left, top, right, bottom);
    if (!r)
        return;
    // The picture never leaves the box.
    const std::int64_t boxWidth = std::int64_t{right} - left;
    const std::int64_t boxHeight = std::int64_t{bottom} - top;
    Check(std::llabs(r->cx) <= std::llabs(boxWidth) && std::llabs(r->cy) <= std::llabs(boxHeight));
}

void FuzzFill(Input& in)
{
    const std::int32_t width = in.Take<std::uint16_t>() % 512 + 1;
    const std::int32_t height = in.Take<std::uint16_t>() % 512 + 1;
    const auto flags = in.Take<std::uint8_t>();
    // Mostly desktops of a usable size, sometimes any 32-bit value at all.
    const std::int32_t range = flags & 0x80 ? 0 : 4096;
    auto side = [&] {
        const auto raw = in.Take<std::int32_t>();
        return range != 0 ? raw % range : raw;
    };
    const std::int32_t desktopWidth = side();
    const std::int32_t desktopHeight = side();
    const unsigned threads = flags % 3 + 1;

    const std::optional<FittedSize> fit = FitSize(width, height, desktopWidth, desktopHeight);
    if (!fit)
        return;
    Check(fit->width <= desktopWidth && fit->height <= desktopHeight);
    Check(fit->width == desktopWidth || fit->height == desktopHeight || fit->copy);
    const std::optional<std::uint32_t> srcBytes = Dib24Bytes(width, height);
    const std::optional<std::uint32_t> outBytes = Dib24Bytes(fit->width, fit->height);
    if (fit->copy || !srcBytes || !outBytes || *srcBytes > kMaxBytes || *outBytes > kMaxBytes)
        return;

    std::vector<std::uint8_t> src(*srcBytes);
    for (std::size_t i = 0; i < src.size(); ++i)
        src[i] = in.RestSize() != 0 ? in.Rest()[i % in.RestSize()] : static_cast<std::uint8_t>(i);
    std::vector<std::uint8_t> expected(*outBytes, 0x5A);
    std::vector<std::uint8_t> actual(*outBytes, 0x5A);
    const auto outWidth = static_cast<std::int32_t>(fit->width);
    const auto outHeight = static_cast<std::int32_t>(fit->height);
    ReferenceFill(src.data(), width, height, expected.data(), outWidth, outHeight);
    BilinearFill(src.data(), width, height, actual.data(), outWidth, outHeight, threads);
    Check(actual == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    switch (in.Take<std::uint8_t>() % 3) {
    case 0:
        FuzzLayout(in);
        break;
    case 1:
        FuzzPreview(in);
        break;
    default:
        FuzzFill(in);
        break;
    }
    return 0;
}
