#include "resources/DialogIds.h"
#include "tests/ui/UiFixture.h"

#include <commctrl.h>

namespace {

using OptionPageTest = UiTest;

LRESULT TrackbarPosition(HWND page)
{
    return SendDlgItemMessageA(page, IDC_INTERVAL_TRACKBAR, TBM_GETPOS, 0, 0);
}

int SpinPosition(HWND page)
{
    return LOWORD(SendDlgItemMessageA(page, IDC_INTERVAL_SPIN, UDM_GETPOS, 0, 0));
}

std::string DesktopValue(const char* name)
{
    char value[16] = {};
    DWORD size = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", name, RRF_RT_REG_SZ, nullptr, value,
                 &size);
    return value;
}

// The first dialog of this thread other than the sheet: the colour dialog.
HWND FindOtherDialog(HWND sheet)
{
    return FindThreadWindow("#32770", sheet);
}

TEST_F(OptionPageTest, IntervalTextIsKeptBetweenOneAnd256AndTheOtherControlsFollow)
{
    ModalDriver driver;
    driver
        .Then(OnPage(1, [](HWND page) {
            EXPECT_EQ(Text(page, IDC_INTERVAL), "10");
            EXPECT_EQ(TrackbarPosition(page), 10);
            for (const char* typed : {"0", "-5", "", "abc"}) {
                SetText(page, IDC_INTERVAL, typed);
                EXPECT_EQ(Text(page, IDC_INTERVAL), "1") << typed;
                EXPECT_EQ(TrackbarPosition(page), 1) << typed;
                EXPECT_EQ(SpinPosition(page), 1) << typed;
            }
            SetText(page, IDC_INTERVAL, "300");
            EXPECT_EQ(Text(page, IDC_INTERVAL), "256");
            EXPECT_EQ(TrackbarPosition(page), 256);
            EXPECT_EQ(SpinPosition(page), 256);
            SetText(page, IDC_INTERVAL, "42");
            EXPECT_EQ(TrackbarPosition(page), 42);
            EXPECT_EQ(SpinPosition(page), 42);

            SendDlgItemMessageA(page, IDC_INTERVAL_TRACKBAR, TBM_SETPOS, TRUE, 200);
            SendMessageA(page, WM_HSCROLL, TB_ENDTRACK,
                         reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_INTERVAL_TRACKBAR)));
            EXPECT_EQ(Text(page, IDC_INTERVAL), "200");
            SendMessageA(page, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 77),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_INTERVAL_SPIN)));
            EXPECT_EQ(Text(page, IDC_INTERVAL), "77");
            EXPECT_EQ(TrackbarPosition(page), 77);
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();
    EXPECT_EQ(engine->options.interval, 77);
}

TEST_F(OptionPageTest, AnIntervalOfZeroOpensWithAnEmptyEditAndTheTrackbarAtItsMinimum)
{
    engine->options.interval = 0;
    ModalDriver driver;
    driver
        .Then(OnPage(1, [](HWND page) {
            EXPECT_EQ(TrackbarPosition(page), 1);
            EXPECT_EQ(SendDlgItemMessageA(page, IDC_INTERVAL_TRACKBAR, TBM_GETRANGEMAX, 0, 0), 256);
        }))
        .Then(PressSheet(PSBTN_CANCEL));
    ShowSheet();
}

TEST_F(OptionPageTest, OkWritesEveryControlIntoTheEngine)
{
    engine->options.battery = true;
    ModalDriver driver;
    driver
        .Then(OnPage(1, [](HWND page) {
            Click(page, IDC_NO_AUTO_CHANGE);
            Click(page, IDC_BY_PROCESS);
            Click(page, IDC_NOTIFY_ALL);  // on by default
            Click(page, IDC_NO_SAVER);
            Click(page, IDC_SEE_THROUGH);  // on by default
            Click(page, IDC_RESIZE);
            Click(page, IDC_FULL_SCREEN);  // on by default
            Click(page, IDC_BATTERY);  // on as the page opens
            SendDlgItemMessageA(page, IDC_ORDER_NAME, BM_SETCHECK, BST_UNCHECKED, 0);
            SendDlgItemMessageA(page, IDC_ORDER_RANDOM, BM_SETCHECK, BST_CHECKED, 0);
            SendDlgItemMessageA(page, IDC_STYLE, CB_SETCURSEL, 1, 0);
            SetText(page, IDC_INTERVAL, "25");
            PostClick(page, IDC_TEXT_COLOR);
        }))
        .Then([] {
            const HWND sheet = FindSheet();
            const HWND colour = FindOtherDialog(sheet);
            if (colour == nullptr)
                return false;
            // The colour dialog's red, green and blue edits, then OK.
            SetDlgItemInt(colour, 706, 0x12, FALSE);
            SetDlgItemInt(colour, 707, 0x34, FALSE);
            SetDlgItemInt(colour, 708, 0x56, FALSE);
            PostClick(colour, IDOK);
            return true;
        })
        .Then([] { return FindOtherDialog(FindSheet()) == nullptr; })
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();

    const OptionSettings& options = engine->options;
    EXPECT_TRUE(options.noAutoChange);
    EXPECT_TRUE(options.byProcess);
    EXPECT_FALSE(options.notifyAll);
    EXPECT_TRUE(options.noSaver);
    EXPECT_FALSE(options.seeThrough);
    EXPECT_TRUE(options.resize);
    EXPECT_FALSE(options.fullScreen);
    EXPECT_FALSE(options.battery);
    EXPECT_EQ(options.order, 2);
    EXPECT_EQ(options.style, 1);
    EXPECT_EQ(options.interval, 25);
    EXPECT_EQ(options.textColor, RGB(0x12, 0x34, 0x56));
    BOOL saverActive = TRUE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &saverActive, 0);
    EXPECT_FALSE(saverActive);
    EXPECT_EQ(DesktopValue("TileWallpaper"), "1");
    EXPECT_EQ(DesktopValue("WallpaperStyle"), "0");
}

TEST_F(OptionPageTest, CancelLeavesTheEngineAsItWas)
{
    ModalDriver driver;
    driver
        .Then(OnPage(1, [](HWND page) {
            Click(page, IDC_NO_SAVER);
            Click(page, IDC_SEE_THROUGH);
            SendDlgItemMessageA(page, IDC_STYLE, CB_SETCURSEL, 2, 0);
            SetText(page, IDC_INTERVAL, "99");
        }))
        .Then(PressSheet(PSBTN_CANCEL));
    ShowSheet();

    EXPECT_FALSE(engine->options.noSaver);
    EXPECT_TRUE(engine->options.seeThrough);
    EXPECT_EQ(engine->options.style, 0);
    EXPECT_EQ(engine->options.interval, 10);
}

TEST_F(OptionPageTest, FillIsGreyedWhileResizeIsOffAndOkStoresIt)
{
    engine->options.fill = true;
    ModalDriver driver;
    driver
        .Then(OnPage(1, [](HWND page) {
            EXPECT_FALSE(Enabled(page, IDC_FILL));
            EXPECT_TRUE(IsChecked(page, IDC_FILL));
            Click(page, IDC_RESIZE);
            EXPECT_TRUE(Enabled(page, IDC_FILL));
            Click(page, IDC_FILL);
            Click(page, IDC_RESIZE);
            EXPECT_FALSE(Enabled(page, IDC_FILL));
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();
    EXPECT_FALSE(engine->options.resize);
    EXPECT_FALSE(engine->options.fill);
}

// The registration dialog edits the page's copy; the engine gets it only with the sheet's OK.
class ProcessListThroughTheSheet : public UiTest {
protected:
    void RegisterAndCloseSheet(int sheetButton)
    {
        engine->options.SetProcesses({"game.exe"});
        ModalDriver driver;
        driver.Then(OnPage(1, [](HWND page) { PostClick(page, IDC_REGISTER_PROCESS); }))
            .Then([] {
                const HWND dialog = FindDialog("プロセス登録");
                if (dialog == nullptr)
                    return false;
                EXPECT_EQ(Lines(dialog, IDC_REGISTERED_PROCESSES),
                          (std::vector<std::string>{"game.exe"}));
                // After the real running processes, of which there may be none.
                const LRESULT line = SendDlgItemMessageA(dialog, IDC_RUNNING_PROCESSES,
                                                         LB_ADDSTRING, 0,
                                                         reinterpret_cast<LPARAM>("movie.exe"));
                SelectLine(dialog, IDC_RUNNING_PROCESSES, static_cast<int>(line));
                Click(dialog, IDC_PROCESS_ADD);
                Click(dialog, IDC_PROCESS_OK);
                return true;
            })
            .Then(PressSheet(sheetButton));
        ShowSheet();
    }

    std::vector<std::string> EngineProcesses() const
    {
        std::vector<std::string> names;
        engine->options.GetProcesses(names);
        return names;
    }
};

TEST_F(ProcessListThroughTheSheet, ReachesTheEngineOnOk)
{
    RegisterAndCloseSheet(PSBTN_OK);
    EXPECT_EQ(EngineProcesses(), (std::vector<std::string>{"game.exe", "movie.exe"}));
}

TEST_F(ProcessListThroughTheSheet, IsDroppedOnCancel)
{
    RegisterAndCloseSheet(PSBTN_CANCEL);
    EXPECT_EQ(EngineProcesses(), (std::vector<std::string>{"game.exe"}));
}

}  // namespace
