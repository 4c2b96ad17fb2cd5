#pragma once
#include <string_view>

// File names compared byte by byte as unsigned values: no case folding, no locale,
// so "10.jpg" < "9.jpg" < "A.jpg" < "a.jpg", and Japanese names follow ASCII ones.
inline bool NameLess(std::string_view a, std::string_view b) noexcept
{
    // char_traits<char> compares as unsigned char, which is exactly this order.
    return a.compare(b) < 0;
}
