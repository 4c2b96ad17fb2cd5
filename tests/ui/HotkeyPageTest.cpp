#include "resources/DialogIds.h"
#include "tests/ui/UiFixture.h"

#include <commctrl.h>

namespace {

using HotkeyPageTest = UiTest;

constexpr int kCtrlAltF9 = (HOTKEYF_CONTROL | HOTKEYF_ALT) << 8 | VK_F9;
constexpr int kCtrlShiftF5 = (HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8 | VK_F5;
// Stored without the extended-key flag, which the control needs to name the arrow key.
constexpr int kCtrlAltLeft = (HOTKEYF_CONTROL | HOTKEYF_ALT) << 8 | VK_LEFT;

// Whether another window could take the combination, which it cannot while it is ours.
bool IsFree(UINT modifiers, UINT key)
{
    const HWND other = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    const bool free = RegisterHotKey(other, 1, modifiers, key) != FALSE;
    if (free)
        UnregisterHotKey(other, 1);
    DestroyWindow(other);
    return free;
}

TEST_F(HotkeyPageTest, ShowsTheEngineValues)
{
    engine->hotkeys.SetHotkey(2, kCtrlAltF9);
    engine->hotkeys.SetHotkey(3, kCtrlAltLeft);
    engine->hotkeys.iconClickAction = -1;
    ModalDriver driver;
    driver
        .Then(OnPage(2, [](HWND page) {
            EXPECT_EQ(LOWORD(SendDlgItemMessageA(page, IDC_HOTKEY_PREVIOUS, HKM_GETHOTKEY, 0, 0)),
                      kCtrlAltF9);
            EXPECT_EQ(SendDlgItemMessageA(page, IDC_HOTKEY_RANDOM, HKM_GETHOTKEY, 0, 0),
                      kCtrlAltLeft | HOTKEYF_EXT << 8);
            EXPECT_EQ(SendDlgItemMessageA(page, IDC_HOTKEY_NEXT, HKM_GETHOTKEY, 0, 0), 0);
            EXPECT_EQ(SendDlgItemMessageA(page, IDC_ICON_CLICK, CB_GETCURSEL, 0, 0), 0);
            EXPECT_EQ(SendDlgItemMessageA(page, IDC_ICON_CLICK, CB_GETCOUNT, 0, 0), 8);
        }))
        .Then(PressSheet(PSBTN_CANCEL));
    ShowSheet();
}

TEST_F(HotkeyPageTest, OkStoresTheControlsAndRegistersAllSeven)
{
    engine->hotkeys.SetHotkey(0, kCtrlShiftF5);
    engine->hotkeys.SetHotkey(2, kCtrlAltF9);
    engine->hotkeys.SetHotkey(3, kCtrlAltLeft);
    if (IsFree(MOD_CONTROL | MOD_ALT, VK_F9))
        GTEST_SKIP() << "the hotkey could not be registered on this machine";
    // Lost behind the engine's back: only a fresh registration brings it back.
    UnregisterHotKey(window, 2);
    ASSERT_TRUE(IsFree(MOD_CONTROL | MOD_ALT, VK_F9));

    ModalDriver driver;
    driver
        .Then(OnPage(2, [](HWND page) {
            SendDlgItemMessageA(page, IDC_HOTKEY_CHANGE, HKM_SETHOTKEY, 0, 0);
            SendDlgItemMessageA(page, IDC_HOTKEY_ESCAPE, HKM_SETHOTKEY,
                                HOTKEYF_ALT << 8 | VK_F11, 0);
            SendDlgItemMessageA(page, IDC_ICON_CLICK, CB_SETCURSEL, 0, 0);
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();

    EXPECT_EQ(engine->hotkeys.GetHotkey(0), 0);
    EXPECT_TRUE(IsFree(MOD_CONTROL | MOD_SHIFT, VK_F5));
    EXPECT_EQ(engine->hotkeys.GetHotkey(2), kCtrlAltF9);
    EXPECT_FALSE(IsFree(MOD_CONTROL | MOD_ALT, VK_F9));
    EXPECT_EQ(engine->hotkeys.GetHotkey(3), kCtrlAltLeft) << "the stored bytes stay";
    EXPECT_FALSE(IsFree(MOD_CONTROL | MOD_ALT, VK_LEFT));
    EXPECT_EQ(engine->hotkeys.GetHotkey(6), HOTKEYF_ALT << 8 | VK_F11);
    EXPECT_FALSE(IsFree(MOD_ALT, VK_F11));
    EXPECT_EQ(engine->hotkeys.iconClickAction, -1);
}

}  // namespace
