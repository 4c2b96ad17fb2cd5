#pragma once
#include <cstdint>

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
