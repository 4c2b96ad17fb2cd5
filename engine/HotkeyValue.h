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

// The stored value as the hotkey control shows it: the extended keys (arrows, Page Up/Down,
// Home, End, Insert, Delete, ...) get the extended-key flag, without which the control names
// the keypad key that shares their virtual key ("Num 4" for Left).
std::int32_t ToControlHotkey(std::int32_t stored);
// What to store for the control's value: a combination left as it was keeps its stored
// bytes, with or without the extended-key flag.
std::int32_t ToStoredHotkey(std::int32_t control, std::int32_t stored);
