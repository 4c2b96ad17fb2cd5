#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"
#include "tests/support/TestBmp.h"
#include "tests/ui/UiFixture.h"
#include "ui/DialogUtil.h"
#include "win32/AnsiPath.h"
#include "win32/Directory.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <deque>

namespace {

// The folder browser answers with the queued paths, one per opening.
class FolderPageTest : public UiTest {
protected:
    FolderPageTest()
    {
        browseForFolder = [this](HWND, const std::string&) {
            std::string path;
            if (!browsed.empty()) {
                path = browsed.front();
                browsed.pop_front();
            }
            return path;
        };
    }

    std::vector<std::string> Folders() const
    {
        std::vector<std::string> folders;
        engine->GetFolders(folders);
        return folders;
    }

    std::deque<std::string> browsed;
};

// A WM_DROPFILES block naming these paths, in Unicode as the shell builds it.
HDROP DropOf(const std::vector<std::wstring>& paths)
{
    std::wstring names;
    for (const std::wstring& path : paths)
        names += path + L'\0';
    names += L'\0';
    const std::size_t bytes = names.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), bytes);
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// A name of kanji that makes a path below the folder about 295 bytes long: more than the
// 259 bytes the settings keep, in far fewer than 260 characters.
std::string LongKanjiName(const std::string& folder)
{
    std::string name;
    while (folder.size() + 1 + name.size() <= 259 + 35)
        name += "漢";
    return name;
}

HWND OpenMenuWindow()
{
    return FindThreadWindow("#32768");
}

bool MenuItemGrayed(HMENU menu, UINT id)
{
    return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

TEST_F(FolderPageTest, AddingRemovingAndAddingAgainKeepsOneLineAndTheFolder)
{
    const std::string a = temp.Folder("a");
    const std::string b = temp.Folder("b");
    engine->AddFolder(a, true);
    browsed = {b, b, a};

    ModalDriver driver;
    driver
        .Then(OnPage(0, [&](HWND page) {
            Click(page, IDC_FOLDER_ADD);
            Click(page, IDC_FOLDER_ADD);
            Click(page, IDM_FOLDER_ADD);
            EXPECT_EQ(Lines(page, IDC_FOLDER_LIST), (std::vector<std::string>{a, b}));
            SelectLine(page, IDC_FOLDER_LIST, 0);
            Click(page, IDC_FOLDER_REMOVE);
            EXPECT_EQ(Lines(page, IDC_FOLDER_LIST), (std::vector<std::string>{b}));
            browsed = {a};
            Click(page, IDC_FOLDER_ADD);
            EXPECT_EQ(Lines(page, IDC_FOLDER_LIST), (std::vector<std::string>{b, a}));
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();

    EXPECT_EQ(Folders(), (std::vector<std::string>{a, b}));
}

TEST_F(FolderPageTest, AFolderAddedAndRemovedBeforeOkIsNotAddedButStillRemoved)
{
    const std::string a = temp.Folder("a");
    temp.File("a\\one.bmp", SolidBmp(2, 2, 0x010203));
    engine->AddFolder(a, true);
    engine->Random();
    ASSERT_GE(engine->GetRandomPos(), 0);
    browsed = {temp.Folder("b")};

    ModalDriver driver;
    driver
        .Then(OnPage(0, [&](HWND page) {
            Click(page, IDC_FOLDER_ADD);
            SelectLine(page, IDC_FOLDER_LIST, 1);
            Click(page, IDM_FOLDER_REMOVE);
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();

    EXPECT_EQ(Folders(), (std::vector<std::string>{a}));
    // Only RemoveFolder rebuilds here; the list is the same, so its random round goes on.
    EXPECT_EQ(engine->GetRandomPos(), 0);
}

TEST_F(FolderPageTest, ButtonsAndMenuItemsFollowTheSelection)
{
    engine->AddFolder(temp.Folder("a"), true);
    HWND page = nullptr;
    ModalDriver driver;
    driver
        .Then(OnPage(0, [&](HWND shown) {
            page = shown;
            EXPECT_FALSE(Enabled(page, IDC_FOLDER_OPEN));
            EXPECT_FALSE(Enabled(page, IDC_FOLDER_REMOVE));
            PostMessageA(GetDlgItem(page, IDC_FOLDER_LIST), WM_RBUTTONDOWN, 0, 0);
        }))
        .Then([&] {
            const HWND menuWindow = OpenMenuWindow();
            if (menuWindow == nullptr)
                return false;
            const HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
            EXPECT_FALSE(MenuItemGrayed(menu, IDM_FOLDER_ADD));
            EXPECT_TRUE(MenuItemGrayed(menu, IDM_FOLDER_OPEN));
            EXPECT_TRUE(MenuItemGrayed(menu, IDM_FOLDER_REMOVE));
            EndMenu();
            return true;
        })
        .Do([&] {
            SelectLine(page, IDC_FOLDER_LIST, 0);
            EXPECT_TRUE(Enabled(page, IDC_FOLDER_OPEN));
            EXPECT_TRUE(Enabled(page, IDC_FOLDER_REMOVE));
            PostMessageA(GetDlgItem(page, IDC_FOLDER_LIST), WM_RBUTTONDOWN, 0, 0);
        })
        .Then([&] {
            const HWND menuWindow = OpenMenuWindow();
            if (menuWindow == nullptr)
                return false;
            const HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
            EXPECT_FALSE(MenuItemGrayed(menu, IDM_FOLDER_OPEN));
            EXPECT_FALSE(MenuItemGrayed(menu, IDM_FOLDER_REMOVE));
            EndMenu();
            return true;
        })
        .Do([&] {
            // The right click kept the selection.
            EXPECT_EQ(SendDlgItemMessageA(page, IDC_FOLDER_LIST, LB_GETCURSEL, 0, 0), 0);
            Click(page, IDC_FOLDER_REMOVE);
            EXPECT_FALSE(Enabled(page, IDC_FOLDER_OPEN));
            EXPECT_FALSE(Enabled(page, IDC_FOLDER_REMOVE));
        })
        .Then(PressSheet(PSBTN_CANCEL));
    ShowSheet();
}

TEST_F(FolderPageTest, ADropAddsOnlyItsFirstItemAndOnlyAFolder)
{
    const std::string first = temp.Folder("first");
    const std::string second = temp.Folder("second");
    const std::string file = temp.File("file.bmp");
    // A name the code page cannot spell comes in by its short path.
    const std::wstring hangul = WideOf(temp.Path()) + L"\\사진";
    CreateDirectoryW(hangul.c_str(), nullptr);
    const std::string shortPath = AnsiPathOf(hangul);
    // Too long to be stored and read back: 263 characters, whose first 260 would name its
    // parent; and 155 characters that are longer than 259 bytes.
    const std::wstring parent = WideOf(temp.Folder(std::string(258 - temp.Path().size(), 'p')));
    const std::wstring deep = parent + L"\\xyz";
    ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
    const std::string kanji = temp.Folder(LongKanjiName(temp.Path()));

    ModalDriver driver;
    driver
        .Then(OnPage(0, [&](HWND page) {
            const HWND list = GetDlgItem(page, IDC_FOLDER_LIST);
            const auto drop = [list](const std::vector<std::wstring>& paths) {
                SendMessageA(list, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(paths)), 0);
            };
            drop({WideOf(first), WideOf(second)});
            drop({WideOf(file)});
            drop({hangul});
            drop({deep});
            drop({WideOf(kanji)});
            EXPECT_EQ(Lines(page, IDC_FOLDER_LIST), (std::vector<std::string>{first, shortPath}));
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();

    EXPECT_NE(shortPath.find('~'), std::string::npos);
    EXPECT_EQ(Folders(), (std::vector<std::string>{first, shortPath}));
}

TEST_F(FolderPageTest, TemporaryFolderAndEscapeFileAreValidatedOnOk)
{
    const std::string tmp = temp.Folder("tmp");
    const std::string text = temp.File("notes.txt", "text");

    ModalDriver driver;
    driver
        .Then(OnPage(0, [&](HWND page) {
            SetText(page, IDC_TMP_PATH, tmp + "\\");
            SetText(page, IDC_ESC_PATH, text);
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();
    EXPECT_EQ(engine->GetTmpPath(), tmp);
    EXPECT_EQ(engine->GetEscPath(), "");

    const std::string image = temp.File("escape.bmp", SolidBmp(2, 2, 0x0000FF));
    ModalDriver second;
    second
        .Then(OnPage(0, [&](HWND page) {
            EXPECT_EQ(Text(page, IDC_TMP_PATH), tmp);
            SetText(page, IDC_TMP_PATH, text);
            SetText(page, IDC_ESC_PATH, image);
        }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();
    EXPECT_EQ(engine->GetTmpPath(), GetModuleDirectory());
    EXPECT_EQ(engine->GetEscPath(), image);

    // The last byte of "表" is a backslash's, and must not be cut as one.
    const std::string japanese = temp.Folder("一時表");
    ModalDriver third;
    third.Then(OnPage(0, [&](HWND page) { SetText(page, IDC_TMP_PATH, japanese); }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();
    EXPECT_EQ(engine->GetTmpPath(), japanese);

    // A folder too long to be stored whole is refused; the one before stays.
    const std::string tooLong = temp.Folder(LongKanjiName(temp.Path()));
    ModalDriver fourth;
    fourth.Then(OnPage(0, [&](HWND page) { SetText(page, IDC_TMP_PATH, tooLong); }))
        .Then(PressSheet(PSBTN_OK));
    ShowSheet();
    EXPECT_EQ(engine->GetTmpPath(), japanese);
}

TEST_F(FolderPageTest, DoubleClickOpensTheFileListOfAFolderNotYetApplied)
{
    const std::string folder = temp.Folder("new");
    temp.File("new\\picture.bmp", SolidBmp(2, 2, 0x00FF00));
    browsed = {folder};

    ModalDriver driver;
    driver
        .Then(OnPage(0, [&](HWND page) {
            Click(page, IDC_FOLDER_ADD);
            SendDlgItemMessageA(page, IDC_FOLDER_LIST, LB_SETCURSEL, 0, 0);
            PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_FOLDER_LIST, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_FOLDER_LIST)));
        }))
        .Then([] {
            const HWND list = FindDialog("ファイルリスト");
            if (list == nullptr)
                return false;
            EXPECT_EQ(Lines(list, IDC_FILELIST_FILES), (std::vector<std::string>{"picture.bmp"}));
            Click(list, IDC_FILELIST_CLOSE);
            return true;
        })
        .Then(PressSheet(PSBTN_CANCEL));
    ShowSheet();

    EXPECT_TRUE(Folders().empty());
}

}  // namespace
