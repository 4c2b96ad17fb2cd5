#include "engine/HotkeySettings.h"
#include "settings/RegistryNames.h"
#include "tests/support/ScratchRegistry.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kControlShift = MOD_CONTROL | MOD_SHIFT;
constexpr UINT kControlAlt = MOD_CONTROL | MOD_ALT;
constexpr UINT kF5 = VK_F5;

HWND CreateHiddenWindow()
{
    return CreateWindowExA(0, "STATIC", "hotkeys", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

class HotkeySettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!IsFree(kControlShift, kF5) || !IsFree(kControlAlt, kF5))
            GTEST_SKIP() << "Ctrl+Shift+F5 or Ctrl+Alt+F5 is held by another program";
    }
    ~HotkeySettingsTest() override
    {
        DestroyWindow(window);
        DestroyWindow(other);
    }

    // Whether another window can take the combination (it gives it back at once).
    bool IsFree(UINT modifiers, UINT key) const
    {
        if (!RegisterHotKey(other, 0xBFFF, modifiers, key))
            return false;
        UnregisterHotKey(other, 0xBFFF);
        return true;
    }

    DWORD Stored(const char* name) const
    {
        DWORD type = 0;
        DWORD size = 0;
        if (!registry.ValueInfo(RegistryNames::kHotkeyKey, name, type, size) || type != REG_BINARY
            || size != 4)
            return 0xBADBAD;
        return registry.ReadDword(RegistryNames::kHotkeyKey, name);
    }

    HWND window = CreateHiddenWindow();
    HWND other = CreateHiddenWindow();
    ScratchRegistry registry;
};

}  // namespace

TEST_F(HotkeySettingsTest, RegistersWithTheConvertedModifiers)
{
    HotkeySettings hotkeys;
    hotkeys.SetWindow(window);
    EXPECT_TRUE(hotkeys.SetHotkey(0, 0x0374));
    EXPECT_EQ(hotkeys.GetHotkey(0), 0x0374);
    EXPECT_FALSE(IsFree(kControlShift, kF5)) << "Ctrl+Shift+F5 is ours";

    EXPECT_TRUE(hotkeys.SetHotkey(0, 0));
    EXPECT_EQ(hotkeys.GetHotkey(0), 0);
    EXPECT_TRUE(IsFree(kControlShift, kF5)) << "0 unregisters";

    EXPECT_TRUE(hotkeys.SetHotkey(0, 0x0B74)) << "extended flag";
    EXPECT_FALSE(IsFree(kControlShift, kF5)) << "the same combination as without it";
    EXPECT_TRUE(hotkeys.SetHotkey(0, 0x0674));
    EXPECT_TRUE(IsFree(kControlShift, kF5)) << "the old combination is given up";
    EXPECT_FALSE(IsFree(kControlAlt, kF5));
}

TEST_F(HotkeySettingsTest, TheLaterOfTwoEqualCombinationsFailsAndKeepsItsValue)
{
    {
        HotkeySettings hotkeys;
        hotkeys.SetWindow(window);
        EXPECT_TRUE(hotkeys.SetHotkey(2, 0x0374));
        EXPECT_FALSE(hotkeys.SetHotkey(5, 0x0374));
        EXPECT_EQ(hotkeys.GetHotkey(5), 0x0374);
        EXPECT_EQ(hotkeys.GetHotkey(2), 0x0374);
        EXPECT_FALSE(IsFree(kControlShift, kF5)) << "the earlier one still holds it";
    }
    EXPECT_TRUE(IsFree(kControlShift, kF5)) << "destruction unregisters";
}

TEST_F(HotkeySettingsTest, IndexesOutsideTheTableDoNothing)
{
    HotkeySettings hotkeys;
    hotkeys.SetWindow(window);
    EXPECT_FALSE(hotkeys.SetHotkey(7, 0x0374));
    EXPECT_FALSE(hotkeys.SetHotkey(-1, 0x0374));
    EXPECT_EQ(hotkeys.GetHotkey(7), 0);
    EXPECT_TRUE(IsFree(kControlShift, kF5));
    for (int index = 0; index < HotkeySettings::kCount; ++index)
        EXPECT_EQ(hotkeys.entries[index].id, index);
}

TEST_F(HotkeySettingsTest, WithoutAWindowNothingIsRegistered)
{
    HotkeySettings hotkeys;
    EXPECT_TRUE(hotkeys.SetHotkey(0, 0x0374));
    EXPECT_EQ(hotkeys.GetHotkey(0), 0x0374);
    EXPECT_TRUE(IsFree(kControlShift, kF5));
}

TEST_F(HotkeySettingsTest, FirstLoadWritesNoHotkeysAndTheChangeClickAction)
{
    HotkeySettings hotkeys;
    hotkeys.SetWindow(window);
    hotkeys.iconClickAction = 4;
    hotkeys.Load(registry.Root());
    EXPECT_EQ(hotkeys.iconClickAction, 0);
    for (const char* name : RegistryNames::kHotkeyNames)
        EXPECT_EQ(Stored(name), 0u) << name;
    EXPECT_EQ(Stored(RegistryNames::kLButton), 0u);
}

TEST_F(HotkeySettingsTest, SavedHotkeysAreRegisteredAgainAtLoad)
{
    {
        HotkeySettings hotkeys;
        hotkeys.SetWindow(window);
        hotkeys.Load(registry.Root());
        ASSERT_TRUE(hotkeys.SetHotkey(6, 0x0674));
        hotkeys.iconClickAction = -1;
        hotkeys.Save(registry.Root());
    }
    EXPECT_EQ(Stored("Escape"), 0x00000674u) << "Ctrl+Alt+F5";
    EXPECT_EQ(Stored(RegistryNames::kLButton), 0xFFFFFFFFu);
    EXPECT_TRUE(IsFree(kControlAlt, kF5));

    registry.DeleteValue(RegistryNames::kHotkeyKey, "Next");
    HotkeySettings hotkeys;
    hotkeys.SetWindow(window);
    hotkeys.Load(registry.Root());
    EXPECT_EQ(hotkeys.GetHotkey(6), 0x0674);
    EXPECT_EQ(hotkeys.GetHotkey(1), 0) << "a missing value is no hotkey";
    EXPECT_EQ(hotkeys.iconClickAction, -1);
    EXPECT_FALSE(IsFree(kControlAlt, kF5));
}
