#include "engine/HotkeyValue.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kModAlt = 1, kModControl = 2, kModShift = 4;

}  // namespace

TEST(HotkeyValue, ConvertsHotkeyControlFlagsToRegisterHotKeyModifiers)
{
    const HotkeyCombination controlShiftF5 = ToHotkeyCombination(0x0374);
    EXPECT_EQ(controlShiftF5.modifiers, kModControl | kModShift);
    EXPECT_EQ(controlShiftF5.virtualKey, 0x74u);

    const HotkeyCombination controlAltF5 = ToHotkeyCombination(0x0674);
    EXPECT_EQ(controlAltF5.modifiers, kModControl | kModAlt);
    EXPECT_EQ(ToHotkeyCombination(0x0141).modifiers, kModShift);
    EXPECT_EQ(ToHotkeyCombination(0x0041).modifiers, 0u);
}

TEST(HotkeyValue, DropsTheExtendedFlagAndEverythingAboveTheFlags)
{
    const HotkeyCombination extended = ToHotkeyCombination(0x0F2E);
    EXPECT_EQ(extended.modifiers, kModAlt | kModControl | kModShift);
    EXPECT_EQ(extended.virtualKey, 0x2Eu);
    const HotkeyCombination noisy = ToHotkeyCombination(static_cast<std::int32_t>(0xFFFF0874));
    EXPECT_EQ(noisy.modifiers, 0u);
    EXPECT_EQ(noisy.virtualKey, 0x74u);
}
