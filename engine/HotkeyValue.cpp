#include "engine/HotkeyValue.h"

namespace {

// Hotkey-control flags (HOTKEYF_) and RegisterHotKey modifiers (MOD_).
constexpr std::uint32_t kFlagShift = 0x01, kFlagControl = 0x02, kFlagAlt = 0x04;
constexpr std::uint32_t kModAlt = 0x0001, kModControl = 0x0002, kModShift = 0x0004;

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
