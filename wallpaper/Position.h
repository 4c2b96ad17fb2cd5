#pragma once
#include <cstdint>
#include <vector>

// Stepping the current position of a list of count > 0 files. The stored position
// comes from the registry and may be anything, so no value may overflow or escape.

// One step forward, wrapping to 0; any negative or out-of-range position starts at 0.
inline std::int32_t NextPosition(std::int32_t current, std::int32_t count) noexcept
{
    return (current < 0 || current >= count - 1) ? 0 : current + 1;
}

// One step back, wrapping to the last file; a position beyond the end gives the last file.
inline std::int32_t PreviousPosition(std::int32_t current, std::int32_t count) noexcept
{
    return (current <= 0 || current > count) ? count - 1 : current - 1;
}

// The n > 0 files after current, one per monitor; the last becomes the current position.
inline std::vector<std::int32_t> NextPositions(std::int32_t current, std::int32_t count,
                                               std::int32_t n)
{
    std::vector<std::int32_t> shown;
    shown.reserve(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i)
        shown.push_back(current = NextPosition(current, count));
    return shown;
}

// The n > 0 files before the n that end at current, in list order, so that a walk back
// after a walk forward shows the same files again; the last becomes the current position.
// From outside the list the walk stands past its end, as one step back does: the last n.
inline std::vector<std::int32_t> PreviousPositions(std::int32_t current, std::int32_t count,
                                                   std::int32_t n)
{
    std::int32_t last = count - 1;
    if (current >= 0 && current < count) {
        last = current;
        for (std::int32_t i = 0; i < n; ++i)
            last = PreviousPosition(last, count);
    }
    std::int32_t first = last;
    for (std::int32_t i = 1; i < n; ++i)
        first = PreviousPosition(first, count);
    std::vector<std::int32_t> shown = NextPositions(first, count, n - 1);
    shown.insert(shown.begin(), first);
    return shown;
}
