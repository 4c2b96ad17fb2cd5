#include "engine/HotkeyValue.h"

namespace {

// Hotkey-control flags (HOTKEYF_) and RegisterHotKey modifiers (MOD_).
constexpr std::uint32_t kFlagShift = 0x01, kFlagControl = 0x02, kFlagAlt = 0x04;
constexpr std::uint32_t kExtendedBit = 0x08 << 8;  // HOTKEYF_EXT where the control keeps it
constexpr std::uint32_t kModAlt = 0x0001, kModControl = 0x0002, kModShift = 0x0004;

// Keys that send the extended scan-code prefix on every keyboard: the navigation block,
// the application key, the keypad's divide key and Num Lock.
bool IsExtendedKey(std::uint32_t virtualKey)
{
    return (virtualKey >= 0x21 && virtualKey <= 0x28) || virtualKey == 0x2D ||
           virtualKey == 0x2E || virtualKey == 0x5D || virtualKey == 0x6F || virtualKey == 0x90;
}

}  // namespace

HotkeyCombination ToHotkeyCombination(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    const std::uint32_t flags = (bits >> 8) & 0xFF;
    std::uint32_t modifiers = 0;
    if (flags & kFlagShift)
        modifiers |= kModShift;
    if (flags & kFlagControl)
        modifiers |= kModControl;
    if (flags & kFlagAlt)
        modifiers |= kModAlt;
    return {modifiers, bits & 0xFF};
}

std::int32_t ToControlHotkey(std::int32_t stored)
{
    const auto bits = static_cast<std::uint32_t>(stored);
    return IsExtendedKey(bits & 0xFF) ? static_cast<std::int32_t>(bits | kExtendedBit) : stored;
}

std::int32_t ToStoredHotkey(std::int32_t control, std::int32_t stored)
{
    const auto differing = static_cast<std::uint32_t>(control) ^ static_cast<std::uint32_t>(stored);
    return (differing & ~kExtendedBit) == 0 ? stored : control;
}
