#include "tests/support/TestBmp.h"

#include "tests/support/Bytes.h"

std::string Bmp24(int width, int height, const std::function<std::uint32_t(int x, int y)>& colour)
{
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const std::size_t imageSize = stride * height;
    std::string file(54 + imageSize, '\0');
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, 10, 54);
    Put32(file, 14, 40);
    Put32(file, 18, static_cast<std::uint32_t>(width));
    Put32(file, 22, static_cast<std::uint32_t>(height));
    Put16(file, 26, 1);
    Put16(file, 28, 24);
    Put32(file, 34, static_cast<std::uint32_t>(imageSize));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = colour(x, y);
            const std::size_t at = 54 + (height - 1 - y) * stride + x * 3;
            file[at] = static_cast<char>(rgb);
            file[at + 1] = static_cast<char>(rgb >> 8);
            file[at + 2] = static_cast<char>(rgb >> 16);
        }
    }
    return file;
}

std::string SolidBmp(int width, int height, std::uint32_t rgb)
{
    return Bmp24(width, height, [rgb](int, int) { return rgb; });
}
