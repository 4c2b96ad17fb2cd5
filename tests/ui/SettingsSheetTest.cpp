#include "resources/DialogIds.h"
#include "tests/ui/UiFixture.h"
#include "ui/DialogUtil.h"

#include <commctrl.h>

namespace {

constexpr int kApplyButton = 0x3021;

using SettingsSheetTest = UiTest;

TEST_F(SettingsSheetTest, OpensOnTheFolderPageCentredOnTheDesktop)
{
    ModalDriver driver;
    driver.Then([] {
        const HWND sheet = FindSheet();
        if (sheet == nullptr)
            return false;
        EXPECT_NE(GetDlgItem(CurrentPage(sheet), IDC_FOLDER_LIST), nullptr);
        RECT own = {};
        RECT desktop = {};
        GetWindowRect(sheet, &own);
        GetWindowRect(GetDesktopWindow(), &desktop);
        EXPECT_EQ(own.left, (desktop.right - (own.right - own.left)) / 2);
        EXPECT_EQ(own.top, (desktop.bottom - (own.bottom - own.top)) / 2);
        const HWND apply = GetDlgItem(sheet, kApplyButton);
        EXPECT_TRUE(apply == nullptr || !IsWindowVisible(apply));
        PressSheetButton(sheet, PSBTN_CANCEL);
        return true;
    });
    ShowSheet();
}

TEST_F(SettingsSheetTest, TheSixthPageShowsAndStoresPerMonitor)
{
    engine->options.perMonitor = true;
    ModalDriver driver;
    driver
        .Then(OnPage(5, [](HWND page) {
            EXPECT_EQ(TabCtrl_GetItemCount(PropSheet_GetTabControl(GetParent(page))), 6);
            EXPECT_TRUE(IsChecked(page, IDC_PER_MONITOR));
            Click(page, IDC_PER_MONITOR);
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();
    EXPECT_FALSE(engine->options.perMonitor);
}

TEST_F(SettingsSheetTest, OkAfterOpeningOnlyTheFolderPageChangesOnlyFolderSettings)
{
    // Values the other pages would not hand back unchanged.
    engine->options.interval = 0;
    engine->options.order = 7;
    engine->hotkeys.iconClickAction = 9;
    engine->runQuit.runOption = 2;
    engine->runQuit.runPath = temp / "missing.bmp";
    engine->spi.UseSpi = true;
    const std::string tmp = temp.Folder("tmp");

    ModalDriver driver;
    driver.Then(OnPage(0, [&](HWND page) { SetText(page, IDC_TMP_PATH, tmp); }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();

    EXPECT_EQ(engine->GetTmpPath(), tmp);
    EXPECT_EQ(engine->options.interval, 0);
    EXPECT_EQ(engine->options.order, 7);
    EXPECT_EQ(engine->hotkeys.iconClickAction, 9);
    EXPECT_EQ(engine->runQuit.runOption, 2);
    EXPECT_EQ(engine->runQuit.runPath, temp / "missing.bmp");
    EXPECT_TRUE(engine->spi.UseSpi);
}

TEST_F(SettingsSheetTest, CancelAfterEditingSeveralPagesChangesNothing)
{
    const std::string folder = temp.Folder("pictures");
    browseForFolder = [&](HWND, const std::string&) { return folder; };
    const std::string tmpBefore = engine->GetTmpPath();

    ModalDriver driver;
    driver
        .Then(OnPage(0, [&](HWND page) {
            Click(page, IDC_FOLDER_ADD);
            SetText(page, IDC_TMP_PATH, temp.Path());
        }))
        .Then(OnPage(1, [](HWND page) {
            Click(page, IDC_NO_AUTO_CHANGE);
            SetText(page, IDC_INTERVAL, "42");
        }))
        .Then(OnPage(2, [](HWND page) {
            SendDlgItemMessageA(page, IDC_HOTKEY_NEXT, HKM_SETHOTKEY, 0x0374, 0);
        }))
        .Then(OnPage(3, [](HWND page) { Click(page, IDC_RUN_CHANGE); }))
        .Then(OnPage(4, [](HWND page) { Click(page, IDC_USE_SPI); }))
        .Then(PressSheet(PSBTN_CANCEL));
    ShowSheet();

    std::vector<std::string> folders;
    engine->GetFolders(folders);
    EXPECT_TRUE(folders.empty());
    EXPECT_EQ(engine->GetTmpPath(), tmpBefore);
    EXPECT_FALSE(engine->options.noAutoChange);
    EXPECT_EQ(engine->options.interval, 10);
    EXPECT_EQ(engine->hotkeys.GetHotkey(1), 0);
    EXPECT_EQ(engine->runQuit.runOption, 0);
    EXPECT_FALSE(engine->spi.UseSpi);
}

}  // namespace
