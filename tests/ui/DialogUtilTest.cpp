#include "tests/support/TempDir.h"
#include "tests/ui/ModalDriver.h"
#include "ui/DialogUtil.h"
#include "win32/AnsiPath.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

constexpr int kEdit = 10;
constexpr int kCheck = 11;
constexpr int kList = 12;

// A hidden parent with one edit, one three-state check box and one list box.
class DialogUtilTest : public ::testing::Test {
protected:
    DialogUtilTest()
    {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 10, 20, 200, 100, nullptr, nullptr,
                                 instance, nullptr);
        CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 100, 20, parent,
                        reinterpret_cast<HMENU>(kEdit), instance, nullptr);
        CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_AUTO3STATE, 0, 0, 100, 20, parent,
                        reinterpret_cast<HMENU>(kCheck), instance, nullptr);
        CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 100, 100, parent,
                        reinterpret_cast<HMENU>(kList), instance, nullptr);
    }
    ~DialogUtilTest() override { DestroyWindow(parent); }

    HWND parent = nullptr;
};

TEST_F(DialogUtilTest, ItemTextIsReadWholeAndAPathTooLongToStoreIsRefused)
{
    const std::string kanji = "\x8A\xBF";  // "漢"
    std::string longest = std::string(kMaxAnsiPath - 2, 'a') + kanji;
    SetItemText(parent, kEdit, longest);
    EXPECT_EQ(GetItemText(parent, kEdit), longest);
    EXPECT_EQ(GetItemPathOr(parent, kEdit, "kept"), longest);
    // One byte more; a cut would end inside the character.
    longest.insert(0, "b");
    SetItemText(parent, kEdit, longest);
    EXPECT_EQ(GetItemText(parent, kEdit), longest);
    EXPECT_EQ(GetItemPathOr(parent, kEdit, "kept"), "kept");
    SetItemText(parent, kEdit, "");
    EXPECT_EQ(GetItemText(parent, kEdit), "");
}

TEST_F(DialogUtilTest, OnlyACheckedBoxReadsAsChecked)
{
    SetChecked(parent, kCheck, true);
    EXPECT_TRUE(IsChecked(parent, kCheck));
    SendDlgItemMessageA(parent, kCheck, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_FALSE(IsChecked(parent, kCheck));
    SetChecked(parent, kCheck, false);
    EXPECT_FALSE(IsChecked(parent, kCheck));
}

TEST_F(DialogUtilTest, ListSelectionIsEmptyWithoutOneAndWholeForALongLine)
{
    const std::string longLine(400, 'x');
    SendDlgItemMessageA(parent, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("short"));
    SendDlgItemMessageA(parent, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longLine.c_str()));
    EXPECT_EQ(GetListBoxSelection(parent, kList), "");
    SendDlgItemMessageA(parent, kList, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(GetListBoxSelection(parent, kList), longLine);
}

TEST_F(DialogUtilTest, CentresOnTheDesktopWithoutResizing)
{
    CenterOnDesktop(parent);
    RECT own = {};
    RECT desktop = {};
    GetWindowRect(parent, &own);
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(own.left, (desktop.right - 200) / 2);
    EXPECT_EQ(own.top, (desktop.bottom - 100) / 2);
    EXPECT_EQ(own.right - own.left, 200);
    EXPECT_EQ(own.bottom - own.top, 100);
}

HWND AnyDialog()
{
    return FindThreadWindow("#32770");
}

TEST(ShellDialogs, CancelledBrowserAndFileDialogGiveEmptyText)
{
    ModalDriver driver;
    driver.Then([] {
        const HWND dialog = AnyDialog();
        if (dialog == nullptr)
            return false;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    EXPECT_EQ(BrowseForFolder(nullptr, "壁紙フォルダ指定"), "");
    driver.Then([] {
        const HWND dialog = AnyDialog();
        if (dialog == nullptr)
            return false;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    EXPECT_EQ(ChooseImageFile(nullptr, "ファイル指定"), "");
}

TEST(ShellDialogs, TheFileDialogGivesTheChosenFullPath)
{
    TempDir temp;
    const std::string image = temp.File("picture.bmp");
    ModalDriver driver;
    driver.Then([&] {
        const HWND dialog = AnyDialog();
        if (dialog == nullptr)
            return false;
        char title[64] = {};
        GetWindowTextA(dialog, title, sizeof title);
        EXPECT_STREQ(title, "エスケープ壁紙指定");
        // The file name box: a combo box's edit in the explorer style, an edit otherwise.
        const int nameBox = GetDlgItem(dialog, 0x47C) != nullptr ? 0x47C : 0x480;
        SetDlgItemTextA(dialog, nameBox, image.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(ChooseImageFile(nullptr, "エスケープ壁紙指定"), image);
}

}  // namespace
