#include "wallpaper/Shuffle.h"

namespace {

int BitWidth(std::uint64_t value)
{
    int bits = 0;
    for (; value != 0; value >>= 1)
        ++bits;
    return bits;
}

}  // namespace

std::size_t DrawIndex(std::size_t bound, RandomSource rand, std::uint32_t randMax)
{
    if (bound <= 1)
        return 0;
    const int neededBits = BitWidth(bound - 1);
    const int bitsPerDraw = BitWidth(randMax);  // rand() covers 0 … 2^k - 1
    const std::uint64_t mask = (std::uint64_t{1} << neededBits) - 1;
    for (;;) {
        std::uint64_t value = 0;
        for (int got = 0; got < neededBits; got += bitsPerDraw)
            value = (value << bitsPerDraw) | (static_cast<std::uint32_t>(rand()) & randMax);
        value &= mask;
        if (value < bound)  // rejection keeps every index equally likely
            return static_cast<std::size_t>(value);
    }
}
