#include "ui/HotkeyPage.h"

#include "engine/HotkeyValue.h"
#include "engine/WallpaperChanger.h"
#include "resources/DialogIds.h"

#include <array>

namespace {

constexpr char kTemplate[] = "Page_Hotkey";
// Index i is the stored click action i - 1: none, then the actions of the hotkeys.
constexpr std::array<const char*, 8> kClickActions = {
    "なし",     "壁紙変更",   "次の壁紙",     "前の壁紙",
    "ランダム変更", "セーバ停止", "自動変更停止", "エスケープ"};

}  // namespace

CHotkeyPage::CHotkeyPage(CWallpaperChanger& engine, ModalFailure& sheetFailure)
    : CPropertyPage(kTemplate, sheetFailure), engine_(engine)
{
}

INT_PTR CHotkeyPage::OnInitDialog()
{
    const HotkeySettings& hotkeys = engine_.hotkeys;
    for (size_t i = 0; i < kClickActions.size(); ++i)
        SendDlgItemMessageA(window_, IDC_ICON_CLICK, CB_INSERTSTRING, i,
                            reinterpret_cast<LPARAM>(kClickActions[i]));
    SendDlgItemMessageA(window_, IDC_ICON_CLICK, CB_SETCURSEL, hotkeys.iconClickAction + 1, 0);
    for (int i = 0; i < HotkeySettings::kCount; ++i)
        SendDlgItemMessageA(window_, IDC_HOTKEY_FIRST + i, HKM_SETHOTKEY,
                            static_cast<WPARAM>(ToControlHotkey(hotkeys.GetHotkey(i))), 0);
    return TRUE;
}

INT_PTR CHotkeyPage::OnApply()
{
    HotkeySettings& hotkeys = engine_.hotkeys;
    for (int i = 0; i < HotkeySettings::kCount; ++i) {
        const int shown = static_cast<int>(
            LOWORD(SendDlgItemMessageA(window_, IDC_HOTKEY_FIRST + i, HKM_GETHOTKEY, 0, 0)));
        hotkeys.SetHotkey(i, ToStoredHotkey(shown, hotkeys.GetHotkey(i)));
    }
    hotkeys.iconClickAction =
        static_cast<int>(SendDlgItemMessageA(window_, IDC_ICON_CLICK, CB_GETCURSEL, 0, 0)) - 1;
    return TRUE;
}
