#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

using RandomSource = int (*)();

// Uniform index below bound, built from as many rand() draws as the bound needs:
// with 15-bit rand() a single draw would never reach positions past 32767.
std::size_t DrawIndex(std::size_t bound, RandomSource rand, std::uint32_t randMax);

// Fisher-Yates shuffle driven by the runtime's generator (seeded by the engine).
template <typename T>
void ShuffleInPlace(std::vector<T>& items, RandomSource rand = std::rand,
                    std::uint32_t randMax = RAND_MAX)
{
    for (std::size_t i = items.size(); i > 1; --i)
        std::swap(items[i - 1], items[DrawIndex(i, rand, randMax)]);
}
