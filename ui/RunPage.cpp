#include "ui/RunPage.h"

#include "engine/WallpaperChanger.h"
#include "resources/DialogIds.h"
#include "ui/DialogUtil.h"
#include "ui/ShortcutDialog.h"

#include <string>

namespace {

constexpr char kTemplate[] = "Page_Run";
constexpr char kFileTitle[] = "ファイル指定";
constexpr int kOptionCount = 3;

// Index of the first checked radio of the group starting at firstId; keeps option if none.
void ReadRadioGroup(HWND window, int firstId, std::int32_t& option)
{
    for (int i = 0; i < kOptionCount; ++i) {
        if (IsChecked(window, firstId + i)) {
            option = i;
            return;
        }
    }
}

void ChooseInto(HWND window, int editId)
{
    const std::string path = ChooseImageFile(window, kFileTitle);
    if (!path.empty())
        SetItemText(window, editId, path);
}

}  // namespace

CRunPage::CRunPage(CWallpaperChanger& engine, ModalFailure& sheetFailure)
    : CPropertyPage(kTemplate, sheetFailure), engine_(engine)
{
}

INT_PTR CRunPage::OnInitDialog()
{
    const RunQuitSettings& runQuit = engine_.runQuit;
    if (runQuit.runOption >= 0 && runQuit.runOption < kOptionCount)
        SetChecked(window_, IDC_RUN_NONE + runQuit.runOption, true);
    if (runQuit.quitOption >= 0 && runQuit.quitOption < kOptionCount)
        SetChecked(window_, IDC_QUIT_NONE + runQuit.quitOption, true);
    SetItemText(window_, IDC_RUN_PATH, runQuit.runPath);
    SetItemText(window_, IDC_QUIT_PATH, runQuit.quitPath);
    return TRUE;
}

INT_PTR CRunPage::OnCommand(WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam)) {
    case IDC_RUN_BROWSE:
        ChooseInto(window_, IDC_RUN_PATH);
        break;
    case IDC_QUIT_BROWSE:
        ChooseInto(window_, IDC_QUIT_PATH);
        break;
    case IDC_SHORTCUT:
        CShortcutDialog().Show(window_);
        break;
    default:
        break;
    }
    return TRUE;
}

INT_PTR CRunPage::OnApply()
{
    RunQuitSettings& runQuit = engine_.runQuit;
    ReadRadioGroup(window_, IDC_RUN_NONE, runQuit.runOption);
    ReadRadioGroup(window_, IDC_QUIT_NONE, runQuit.quitOption);
    runQuit.SetRunPath(GetItemPathOr(window_, IDC_RUN_PATH, runQuit.runPath));
    runQuit.SetQuitPath(GetItemPathOr(window_, IDC_QUIT_PATH, runQuit.quitPath));
    return TRUE;
}
