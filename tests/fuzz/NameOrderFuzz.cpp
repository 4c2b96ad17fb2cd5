// libFuzzer target: names split from the input are shuffled by bytes of the input and sorted
// by NameLess; the result must be the unsigned byte order whatever the shuffle did.
#include "tests/fuzz/FuzzCheck.h"
#include "wallpaper/NameOrder.h"
#include "wallpaper/Shuffle.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Plain unsigned comparison written out, to hold NameLess to.
bool ReferenceLess(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

// The shuffle's generator: bytes of the input, then zeros.
const std::uint8_t* gDraws = nullptr;
std::size_t gDrawsLeft = 0;

int NextDraw()
{
    if (gDrawsLeft == 0)
        return 0;
    --gDrawsLeft;
    return *gDraws++;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte splits names from draws; names are separated by '\n'.
    if (size == 0)
        return 0;
    const std::size_t split = std::min<std::size_t>(size - 1, data[0] * 4);
    const char* text = reinterpret_cast<const char*>(data + 1);
    std::vector<std::string> names;
    std::string current;
    for (std::size_t i = 0; i < size - 1 - split; ++i) {
        if (text[i] == '\n') {
            names.push_back(current);
            current.clear();
        } else {
            current += text[i];
        }
    }
    names.push_back(current);
    gDraws = data + size - split;
    gDrawsLeft = split;

    std::vector<std::string> sorted = names;
    ShuffleInPlace(sorted, NextDraw, 255);
    std::vector<std::string> before = sorted;
    std::sort(before.begin(), before.end());
    std::vector<std::string> original = names;
    std::sort(original.begin(), original.end());
    Check(before == original);  // the shuffle only reorders

    std::stable_sort(sorted.begin(), sorted.end(), NameLess);
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        Check(!ReferenceLess(sorted[i], sorted[i - 1]));
        Check(NameLess(sorted[i - 1], sorted[i]) == ReferenceLess(sorted[i - 1], sorted[i]));
        Check(!NameLess(sorted[i], sorted[i]));
    }
    for (std::size_t i = 2; i <= names.size(); ++i)
        Check(DrawIndex(i, NextDraw, 255) < i);
    return 0;
}
