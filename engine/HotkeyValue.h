#pragma once
#include <cstdint>

// A hotkey control's value (bits 0..7 virtual key, bits 8..15 HOTKEYF_ flags) as the
// arguments of RegisterHotKey.
struct HotkeyCombination {
    std::uint32_t modifiers;  // MOD_ flags; never MOD_WIN
    std::uint32_t virtualKey;
};

// Shift, Control and Alt map to their MOD_ flags; the extended-key flag is dropped.
HotkeyCombination ToHotkeyCombination(std::int32_t value);
