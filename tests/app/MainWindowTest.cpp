#include "app/MainWindow.h"
#include "app/Protocol.h"
#include "engine/WallpaperChanger.h"
#include "resources/ResourceIds.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScratchRegistry.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestBmp.h"
#include "tests/support/WholeFile.h"
#include "tests/ui/ModalDriver.h"
#include "win32/Directory.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colorCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// Width, height and bit depth of each image of an icon resource.
std::vector<IconGroupEntry> IconImages(int id)
{
    const HMODULE self = GetModuleHandleA(nullptr);
    const HRSRC resource = FindResourceA(self, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
    if (resource == nullptr)
        return {};
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(self, resource)));
    const WORD count = *reinterpret_cast<const WORD*>(data + 4);
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(data + 6);
    return std::vector<IconGroupEntry>(entries, entries + count);
}

constexpr char kFolderItem[] = "ファイルリスト(&L)";

std::string ItemText(HMENU menu, UINT position)
{
    char text[300] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// The tray menu as it is shown: opened through the window, read and closed from inside
// its modal loop.
struct ShownMenu {
    int items = 0;
    std::string folderItem;
    int folders = 0;
    std::string lastFolder;
    bool pauseChecked = false;
    std::string top;  // the first item: the picture showing
    bool binEnabled = false;
};

ShownMenu OpenTrayMenu(HWND window)
{
    ShownMenu shown;
    ModalDriver driver;
    driver.Then([&] {
        HWND popup = FindWindowA("#32768", nullptr);
        if (popup == nullptr || !IsWindowVisible(popup))
            return false;
        const HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
        shown.items = GetMenuItemCount(menu);
        int folderPosition = 0;
        while (folderPosition < shown.items && ItemText(menu, folderPosition) != kFolderItem)
            ++folderPosition;
        shown.folderItem = ItemText(menu, folderPosition);
        shown.top = ItemText(menu, 0);
        shown.binEnabled =
            (GetMenuState(menu, IDM_SHOWING_FIRST + 2, MF_BYCOMMAND) & MF_GRAYED) == 0;
        const HMENU folders = GetSubMenu(menu, folderPosition);
        shown.folders = folders != nullptr ? GetMenuItemCount(folders) : 0;
        if (shown.folders > 0)
            shown.lastFolder = ItemText(folders, shown.folders - 1);
        shown.pauseChecked = (GetMenuState(menu, IDM_PAUSE, MF_BYCOMMAND) & MF_CHECKED) != 0;
        EndMenu();
        return true;
    });
    SendMessageA(window, Protocol::kShowMenuMessage, 0, 0);
    EXPECT_TRUE(driver.Finished());
    return shown;
}

}  // namespace

TEST(ProgramResources, IconsHaveTheirSizesAndDepths)
{
    const auto application = IconImages(IDI_APPLICATION_ICON);
    ASSERT_EQ(application.size(), 2u);
    EXPECT_EQ(application[0].width, 32);
    EXPECT_EQ(application[1].width, 16);
    for (const auto& image : application)
        EXPECT_EQ(image.bitCount, 8);
    for (int id : {IDI_TRAY_PAUSED, IDI_TRAY_RUNNING}) {
        const auto tray = IconImages(id);
        ASSERT_EQ(tray.size(), 1u) << id;
        EXPECT_EQ(tray[0].width, 16);
        EXPECT_EQ(tray[0].height, 16);
        EXPECT_EQ(tray[0].bitCount, 4);
    }
    // Two different pictures for paused and running.
    const HMODULE self = GetModuleHandleA(nullptr);
    auto bytes = [&](int id) {
        const HRSRC image = FindResourceA(self, MAKEINTRESOURCEA(IconImages(id)[0].id), RT_ICON);
        const auto* data = static_cast<const char*>(LockResource(LoadResource(self, image)));
        return std::string(data, SizeofResource(self, image));
    };
    EXPECT_NE(bytes(IDI_TRAY_PAUSED), bytes(IDI_TRAY_RUNNING));
}

TEST(ProgramResources, VersionNamesTheProductAndItsMaker)
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::vector<char> block(GetFileVersionInfoSizeA(path, nullptr));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()));
    const auto value = [&](const char* name) {
        const std::string key = std::string("\\StringFileInfo\\041104B0\\") + name;
        char* text = nullptr;
        UINT length = 0;
        return VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length)
                   ? std::string(text)
                   : std::string();
    };
    EXPECT_EQ(value("ProductName"), Protocol::kTitle);
    EXPECT_EQ(value("CompanyName"), "Brindlecove");
}

TEST(ProgramImage, HeaderLetsThe32BitProgramUseFourGigabytes)
{
    if (sizeof(void*) == 8)
        GTEST_SKIP() << "the flag is the 32-bit program's; a 64-bit program has the space anyway";
    const std::string image = ReadWholeFile(GetModuleDirectory() + "\\Tessel.exe");
    ASSERT_GE(image.size(), sizeof(IMAGE_DOS_HEADER));
    const std::size_t at = Get32(image, offsetof(IMAGE_DOS_HEADER, e_lfanew));
    ASSERT_GE(image.size(), at + sizeof(IMAGE_NT_HEADERS32));
    IMAGE_NT_HEADERS32 headers;
    std::memcpy(&headers, image.data() + at, sizeof headers);
    EXPECT_EQ(headers.Signature, DWORD{IMAGE_NT_SIGNATURE});
    EXPECT_EQ(headers.FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_NE(headers.FileHeader.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE, 0);
}

TEST(ProgramResources, ManifestAsksForVisualStylesAndTheSystemDpi)
{
    ACTCTX_SECTION_KEYED_DATA controls = {};
    controls.cbSize = sizeof controls;
    EXPECT_TRUE(FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         "comctl32.dll", &controls));
    // Windows 7 and later, beyond the headers' target.
    const auto query = reinterpret_cast<BOOL(WINAPI*)(DWORD, HANDLE, PCWSTR, PCWSTR, PWSTR,
                                                      SIZE_T, SIZE_T*)>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryActCtxSettingsW")));
    wchar_t value[8] = {};
    ASSERT_TRUE(query && query(0, nullptr, nullptr, L"dpiAware", value, 8, nullptr));
    EXPECT_STREQ(value, L"true");
}

TEST(ProgramResources, MenusHoldTheirCommands)
{
    const UniqueMenu main(LoadMenuA(GetModuleHandleA(nullptr), "MAINMENU"));
    ASSERT_TRUE(main);
    const HMENU popup = GetSubMenu(main.get(), 0);
    const UINT expected[] = {IDM_SETTINGS, IDM_REFRESH, IDM_HELP, 0, 0, 0, IDM_PAUSE,
                             IDM_SAVER, 0, IDM_EXIT};
    ASSERT_EQ(GetMenuItemCount(popup), 10);
    for (int i = 0; i < 10; ++i) {
        if (expected[i] != 0) {
            EXPECT_EQ(GetMenuItemID(popup, i), expected[i]) << i;
        }
    }
    EXPECT_EQ(ItemText(popup, 9), "終了(&X)");
    const HMENU change = GetSubMenu(popup, 4);
    const UINT changeIds[] = {IDM_CHANGE, IDM_NEXT, IDM_PREVIOUS, IDM_RANDOM, IDM_ESCAPE,
                              IDM_CLEAR};
    ASSERT_EQ(GetMenuItemCount(change), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(GetMenuItemID(change, i), changeIds[i]);

    const UniqueMenu context(LoadMenuA(GetModuleHandleA(nullptr), "FOLDERCONTEXT"));
    ASSERT_TRUE(context);
    const HMENU items = GetSubMenu(context.get(), 0);
    EXPECT_EQ(GetMenuState(items, IDM_FOLDER_ADD, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(GetMenuState(items, IDM_FOLDER_OPEN, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(GetMenuState(items, IDM_FOLDER_REMOVE, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST(TrayMenu, FolderSubmenuListsAtMost256AndOnlyWithFolders)
{
    ScratchRegistry registry;
    CWallpaperChanger engine(registry.Root());
    CMainWindow window(&engine);
    window.Create(GetModuleHandleA(nullptr), "TesselTrayMenuTest", Protocol::kTitle);

    ShownMenu empty = OpenTrayMenu(window.GetWindow());
    EXPECT_EQ(empty.items, 14);
    EXPECT_EQ(empty.folders, 0);
    EXPECT_NE(empty.folderItem, "ファイルリスト(&L)");
    EXPECT_FALSE(empty.pauseChecked);

    for (int i = 0; i < 300; ++i)
        engine.AddFolder("Q:\\folder" + std::to_string(i), false);
    engine.options.noAutoChange = true;
    ShownMenu full = OpenTrayMenu(window.GetWindow());
    EXPECT_EQ(full.items, 15);
    EXPECT_EQ(full.folderItem, "ファイルリスト(&L)");
    EXPECT_EQ(full.folders, 256);
    EXPECT_EQ(full.lastFolder, "Q:\\folder255");
    EXPECT_TRUE(full.pauseChecked);

    // The submenu is taken out again once the menu closes.
    for (int i = 0; i < 300; ++i)
        engine.RemoveFolder("Q:\\folder" + std::to_string(i));
    EXPECT_EQ(OpenTrayMenu(window.GetWindow()).items, 14);
    window.Destroy();
}

// The picture showing leads the menu, with "never again" and the Recycle Bin for a file of
// the list, and the tip names it; with nothing showing, the items are greyed.
TEST(TrayMenu, ThePictureShowingLeadsTheMenuAndNamesTheTip)
{
    ScratchRegistry registry;
    TempDir dir;
    dir.File("R&D 表.bmp", SolidBmp(4, 3, 0x102030));
    CWallpaperChanger engine(registry.Root());
    CMainWindow window(&engine);
    window.Create(GetModuleHandleA(nullptr), "TesselShowingTest", Protocol::kTitle);
    engine.SetTmpPath(dir.Path());
    engine.AddFolder(dir.Path(), true);

    const ShownMenu nothing = OpenTrayMenu(window.GetWindow());
    EXPECT_EQ(nothing.top, "表示中の壁紙はありません");
    EXPECT_FALSE(nothing.binEnabled);
    EXPECT_EQ(window.GetTrayTip(), Protocol::kTitle);

    SendMessageA(window.GetWindow(), WM_COMMAND, IDM_NEXT, 0);
    const ShownMenu one = OpenTrayMenu(window.GetWindow());
    EXPECT_EQ(one.top, "R&&D 表.bmp");
    EXPECT_TRUE(one.binEnabled);
    EXPECT_EQ(window.GetTrayTip(), std::string(Protocol::kTitle) + "\nR&D 表.bmp");
    window.Destroy();
}

TEST(TrayIcon, ComesBackWhenTheTaskbarIsRecreated)
{
    ScratchRegistry registry;
    CWallpaperChanger engine(registry.Root());
    CMainWindow window(&engine);
    window.Create(GetModuleHandleA(nullptr), "TesselTaskbarTest", Protocol::kTitle);

    NOTIFYICONDATAA probe = {};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = window.GetWindow();
    probe.uID = Protocol::kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &probe));
    // A restarted taskbar has forgotten every icon.
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &probe));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &probe));
    SendMessageA(window.GetWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &probe));
    window.Destroy();
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &probe));
}
