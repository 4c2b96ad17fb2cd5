#include "resources/DialogIds.h"
#include "tests/ui/UiFixture.h"
#include "ui/ProcessRegisterDialog.h"

#include <algorithm>

namespace {

// Lines standing for running processes, after the real ones (of which there may be none);
// returns the index of the first.
int OfferRunning(HWND dialog, const std::vector<std::string>& names)
{
    const int first = static_cast<int>(Lines(dialog, IDC_RUNNING_PROCESSES).size());
    for (const std::string& name : names)
        SendDlgItemMessageA(dialog, IDC_RUNNING_PROCESSES, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(name.c_str()));
    return first;
}

ModalDriver::Step OnDialog(std::function<void(HWND dialog)> action)
{
    return [action] {
        const HWND dialog = FindDialog("プロセス登録");
        if (dialog == nullptr)
            return false;
        action(dialog);
        return true;
    };
}

TEST(ProcessRegisterDialogTest, RegistersEachNameOnceAndOkReplacesTheCallersList)
{
    std::vector<std::string> names = {"game.exe", "Game.exe"};
    ModalDriver driver;
    driver.Then(OnDialog([](HWND dialog) {
        EXPECT_EQ(Lines(dialog, IDC_REGISTERED_PROCESSES),
                  (std::vector<std::string>{"game.exe", "Game.exe"}));
        EXPECT_FALSE(Enabled(dialog, IDC_PROCESS_ADD));
        EXPECT_FALSE(Enabled(dialog, IDC_PROCESS_REMOVE));
        const int first = OfferRunning(dialog, {"game.exe", "movie.exe", "movie.exe"});
        SelectLine(dialog, IDC_RUNNING_PROCESSES, first);
        EXPECT_TRUE(Enabled(dialog, IDC_PROCESS_ADD));
        Click(dialog, IDC_PROCESS_ADD);
        SelectLine(dialog, IDC_RUNNING_PROCESSES, first + 1);
        Click(dialog, IDC_PROCESS_ADD);
        SelectLine(dialog, IDC_RUNNING_PROCESSES, first + 2);
        Click(dialog, IDC_PROCESS_ADD);
        EXPECT_EQ(Lines(dialog, IDC_REGISTERED_PROCESSES),
                  (std::vector<std::string>{"game.exe", "Game.exe", "movie.exe"}));

        SelectLine(dialog, IDC_REGISTERED_PROCESSES, 0);
        EXPECT_TRUE(Enabled(dialog, IDC_PROCESS_REMOVE));
        Click(dialog, IDC_PROCESS_REMOVE);
        EXPECT_FALSE(Enabled(dialog, IDC_PROCESS_REMOVE));
        Click(dialog, IDC_PROCESS_OK);
    }));
    CProcessRegisterDialog(names).Show(nullptr);
    EXPECT_EQ(names, (std::vector<std::string>{"Game.exe", "movie.exe"}));
}

TEST(ProcessRegisterDialogTest, RefreshRebuildsTheRunningListWithNoSelection)
{
    std::vector<std::string> names;
    ModalDriver driver;
    driver.Then(OnDialog([](HWND dialog) {
        SelectLine(dialog, IDC_RUNNING_PROCESSES, OfferRunning(dialog, {"extra.exe"}));
        ASSERT_TRUE(Enabled(dialog, IDC_PROCESS_ADD));
        Click(dialog, IDC_PROCESS_REFRESH);
        const std::vector<std::string> running = Lines(dialog, IDC_RUNNING_PROCESSES);
        EXPECT_EQ(std::count(running.begin(), running.end(), "extra.exe"), 0);
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_RUNNING_PROCESSES, LB_GETCURSEL, 0, 0), LB_ERR);
        EXPECT_FALSE(Enabled(dialog, IDC_PROCESS_ADD));
        Click(dialog, IDC_PROCESS_CANCEL);
    }));
    CProcessRegisterDialog(names).Show(nullptr);
}

TEST(ProcessRegisterDialogTest, CancelCloseAndEscLeaveTheCallersListAlone)
{
    std::vector<std::string> names = {"game.exe"};
    for (int way = 0; way < 3; ++way) {
        ModalDriver driver;
        driver.Then(OnDialog([way](HWND dialog) {
            SelectLine(dialog, IDC_REGISTERED_PROCESSES, 0);
            Click(dialog, IDC_PROCESS_REMOVE);
            SelectLine(dialog, IDC_RUNNING_PROCESSES, OfferRunning(dialog, {"movie.exe"}));
            Click(dialog, IDC_PROCESS_ADD);
            if (way == 0)
                Click(dialog, IDC_PROCESS_CANCEL);
            else if (way == 1)
                SendMessageA(dialog, WM_CLOSE, 0, 0);
            else
                PressEsc(dialog, IDC_PROCESS_REFRESH);
        }));
        CProcessRegisterDialog(names).Show(nullptr);
        EXPECT_EQ(names, (std::vector<std::string>{"game.exe"}));
    }
}

}  // namespace
