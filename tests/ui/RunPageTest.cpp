#include "win32/ComPtr.h"
#include "resources/DialogIds.h"
#include "tests/support/TestBmp.h"
#include "tests/ui/UiFixture.h"
#include "win32/ComApartment.h"

#include <commctrl.h>
#include <shlobj.h>

namespace {

using RunPageTest = UiTest;

TEST_F(RunPageTest, OkStoresTheRadiosAndOnlyValidImagePaths)
{
    const std::string quitImage = temp.File("quit.bmp", SolidBmp(2, 2, 0x090909));
    const std::string text = temp.File("notes.txt", "text");
    ModalDriver driver;
    driver
        .Then(OnPage(3, [&](HWND page) {
            EXPECT_TRUE(IsDlgButtonChecked(page, IDC_RUN_NONE));
            EXPECT_TRUE(IsDlgButtonChecked(page, IDC_QUIT_NONE));
            CheckRadioButton(page, IDC_RUN_NONE, IDC_RUN_FILE, IDC_RUN_FILE);
            SetText(page, IDC_RUN_PATH, text);
            CheckRadioButton(page, IDC_QUIT_NONE, IDC_QUIT_FILE, IDC_QUIT_FILE);
            SetText(page, IDC_QUIT_PATH, quitImage);
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();

    EXPECT_EQ(engine->runQuit.runOption, 2);
    EXPECT_EQ(engine->runQuit.runPath, "");
    EXPECT_EQ(engine->runQuit.quitOption, 2);
    EXPECT_EQ(engine->runQuit.quitPath, quitImage);
}

// Reads a shortcut back through the shell's own link object.
struct Shortcut {
    bool exists = false;
    std::string path;
    std::string arguments;
    std::string description;
};

Shortcut ReadShortcut(const std::string& file)
{
    Shortcut read;
    ComApartment com;
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> persist;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.put_void()))
        || FAILED(link->QueryInterface(IID_IPersistFile, persist.put_void())))
        return read;
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
    if (FAILED(persist->Load(wide, STGM_READ)))
        return read;
    read.exists = true;
    char text[MAX_PATH * 2] = {};
    link->GetPath(text, sizeof text, nullptr, 0);
    read.path = text;
    link->GetArguments(text, sizeof text);
    read.arguments = text;
    link->GetDescription(text, sizeof text);
    read.description = text;
    return read;
}

std::string SpecialFolder(int id)
{
    char path[MAX_PATH + 1] = {};
    SHGetSpecialFolderPathA(nullptr, path, id, TRUE);
    return path;
}

std::string ModuleFile()
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// Runs the shortcut dialog from the run page with one start option and one target radio.
ModalDriver::Step MakeShortcut(int optionIndex, int radio)
{
    return [optionIndex, radio] {
        const HWND dialog = FindDialog("ショートカットの登録");
        if (dialog == nullptr)
            return false;
        EXPECT_TRUE(IsDlgButtonChecked(dialog, IDC_LNK_STARTUP));
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_LNK_OPTION, CB_GETCURSEL, 0, 0), 0);
        SendDlgItemMessageA(dialog, IDC_LNK_OPTION, CB_SETCURSEL, optionIndex, 0);
        CheckRadioButton(dialog, IDC_LNK_STARTUP, IDC_LNK_DESKTOP, radio);
        Click(dialog, IDC_LNK_OK);
        return true;
    };
}

class ShortcutDialogTest : public UiTest {
protected:
    ~ShortcutDialogTest() override
    {
        for (int folder : {CSIDL_SENDTO, CSIDL_DESKTOPDIRECTORY, CSIDL_STARTUP})
            DeleteFileA((SpecialFolder(folder) + "\\Tessel.lnk").c_str());
    }
};

TEST_F(ShortcutDialogTest, WritesTheChosenSwitchIntoTheChosenFolderReplacingTheLastOne)
{
    const std::string sendTo = SpecialFolder(CSIDL_SENDTO) + "\\Tessel.lnk";
    const std::string desktop = SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\Tessel.lnk";
    ModalDriver driver;
    driver.Then(OnPage(3, [](HWND page) { PostClick(page, IDC_SHORTCUT); }))
        .Then(MakeShortcut(3, IDC_LNK_SENDTO))
        .Then([&] {
            if (FindDialog("ショートカットの登録") != nullptr)
                return false;
            const Shortcut first = ReadShortcut(sendTo);
            EXPECT_TRUE(first.exists);
            EXPECT_EQ(first.arguments, "/P");
            EXPECT_EQ(first.description, "Tesselのショートカット");
            EXPECT_EQ(first.path, ModuleFile());
            PostClick(CurrentPage(FindSheet()), IDC_SHORTCUT);
            return true;
        })
        .Then(MakeShortcut(0, IDC_LNK_SENDTO))
        .Then([&] { return FindDialog("ショートカットの登録") == nullptr; })
        .Do([] { PostClick(CurrentPage(FindSheet()), IDC_SHORTCUT); })
        .Then(MakeShortcut(1, IDC_LNK_DESKTOP))
        .Then([&] { return FindDialog("ショートカットの登録") == nullptr; })
        .Then(PressSheet(PSBTN_CANCEL));
    ShowSheet();

    // Written at once: the cancelled sheet takes nothing back.
    const Shortcut second = ReadShortcut(sendTo);
    EXPECT_TRUE(second.exists);
    EXPECT_EQ(second.arguments, "");
    EXPECT_EQ(ReadShortcut(desktop).arguments, "/W");
}

TEST_F(ShortcutDialogTest, CancelAndEscWriteNothing)
{
    const std::string startup = SpecialFolder(CSIDL_STARTUP) + "\\Tessel.lnk";
    ModalDriver driver;
    driver.Then(OnPage(3, [](HWND page) { PostClick(page, IDC_SHORTCUT); }))
        .Then([] {
            const HWND dialog = FindDialog("ショートカットの登録");
            if (dialog == nullptr)
                return false;
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_LNK_OPTION, CB_GETCOUNT, 0, 0), 7);
            char text[64] = {};
            SendDlgItemMessageA(dialog, IDC_LNK_OPTION, CB_GETLBTEXT, 6,
                                reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, "壁紙クリア");
            Click(dialog, IDC_LNK_CANCEL);
            return true;
        })
        .Then(OnPage(3, [](HWND page) { PostClick(page, IDC_SHORTCUT); }))
        .Then([] {
            const HWND dialog = FindDialog("ショートカットの登録");
            if (dialog == nullptr)
                return false;
            PressEsc(dialog, IDC_LNK_STARTUP);
            return true;
        })
        .Then(PressSheet(PSBTN_CANCEL));
    ShowSheet();
    EXPECT_EQ(GetFileAttributesA(startup.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
