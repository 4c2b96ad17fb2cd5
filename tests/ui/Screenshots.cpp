// The probe "Screenshots" shows every page and dialog with sample settings and writes each
// window, as the screen shows it, to a BMP file in the current folder
// (tests/ui/take-screenshots turns them into the PNG files of docs/screenshots).
#include "win32/GdiGuards.h"
#include "engine/WallpaperChanger.h"
#include "resources/DialogIds.h"
#include "tests/support/Probe.h"
#include "tests/support/ScratchRegistry.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestBmp.h"
#include "tests/ui/ModalDriver.h"
#include "tests/ui/UiFixture.h"
#include "ui/FileListDialog.h"
#include "ui/ProcessRegisterDialog.h"
#include "ui/SettingsSheet.h"

#include <commctrl.h>

#include <fstream>

namespace {

void Capture(HWND window, const std::string& file)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    // The window's own surface, frame included, wherever the display has put it.
    const HDC source = GetWindowDC(window);
    UniqueGdiObject bitmap(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc memory(CreateCompatibleDC(source));
    {
        SelectedObject select(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    }
    ReleaseDC(window, source);
    GdiFlush();
    const DWORD size = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + size;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), size);
}

// Paints everything pending before a capture.
void Settle(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Ctrl+Alt+key typed into a hotkey control, as from the keyboard. The control names the key
// by the scan code it was typed with, extended for the arrow keys ("Right", not "Num 6");
// Wine's control does not name a key set by HKM_SETHOTKEY from its extended-key flag.
void TypeHotkey(HWND control, UINT key)
{
    const auto keyData = [](UINT virtualKey, DWORD extended, DWORD up) {
        return static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0) << 16 | extended << 24 |
                                   up << 30 | up << 31 | 1);
    };
    SendMessageA(control, WM_KEYDOWN, VK_CONTROL, keyData(VK_CONTROL, 0, 0));
    SendMessageA(control, WM_SYSKEYDOWN, VK_MENU, keyData(VK_MENU, 0, 0));
    SendMessageA(control, WM_SYSKEYDOWN, key, keyData(key, 1, 0));
    SendMessageA(control, WM_SYSKEYUP, key, keyData(key, 1, 1));
    SendMessageA(control, WM_KEYUP, VK_MENU, keyData(VK_MENU, 0, 1));
    SendMessageA(control, WM_KEYUP, VK_CONTROL, keyData(VK_CONTROL, 0, 1));
}

ModalDriver::Step ShootPage(int index, const char* file)
{
    return [index, file] {
        const HWND sheet = FindSheet();
        if (sheet == nullptr)
            return false;
        SelectPage(sheet, index);
        Settle(sheet);
        Capture(sheet, file);
        return true;
    };
}

ModalDriver::Step ShootDialog(const char* caption, const char* file)
{
    return [caption, file] {
        const HWND dialog = FindDialog(caption);
        if (dialog == nullptr)
            return false;
        Settle(dialog);
        Capture(dialog, file);
        SendMessageA(dialog, WM_CLOSE, 0, 0);
        return true;
    };
}

}  // namespace

TESSEL_PROBE(Screenshots)
{
    ScratchRegistry registry;
    TempDir temp;
    const std::string pictures = temp.Folder("壁紙");
    temp.File("壁紙\\夕焼け.bmp", SolidBmp(160, 120, 0xE67828));
    temp.File("壁紙\\海.bmp", SolidBmp(160, 100, 0x286EC8));
    temp.File("壁紙\\森.bmp", SolidBmp(120, 160, 0x289646));
    const HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    {
        CWallpaperChanger engine(registry.Root());
        engine.Load(window);
        engine.AddFolder(pictures, true);
        engine.AddFolder("C:\\Users\\Public\\Pictures", true);
        // Not the program's folder, which would name the tree the pictures were taken from.
        engine.SetTmpPath(temp.Folder("tmp"));
        engine.options.SetProcesses({"game.exe", "movie.exe"});
        engine.options.resize = true;

        ModalDriver driver;
        driver.Then(ShootPage(0, "page-folder.bmp"))
            .Then(ShootPage(1, "page-option.bmp"))
            .Do([] {
                const HWND sheet = FindSheet();
                SelectPage(sheet, 2);
                TypeHotkey(GetDlgItem(CurrentPage(sheet), IDC_HOTKEY_NEXT), VK_RIGHT);
                TypeHotkey(GetDlgItem(CurrentPage(sheet), IDC_HOTKEY_PREVIOUS), VK_LEFT);
            })
            .Then(ShootPage(2, "page-hotkey.bmp"))
            .Then(ShootPage(3, "page-run.bmp"))
            .Then(ShootPage(4, "page-spi.bmp"))
            .Then(ShootPage(5, "page-display.bmp"))
            .Do([] {
                const HWND sheet = FindSheet();
                SelectPage(sheet, 3);
                PostClick(CurrentPage(sheet), IDC_SHORTCUT);
            })
            .Then(ShootDialog("ショートカットの登録", "dialog-shortcut.bmp"))
            .Then([] { return FindDialog("ショートカットの登録") == nullptr; })
            .Do([] {
                const HWND sheet = FindSheet();
                SelectPage(sheet, 1);
                PostClick(CurrentPage(sheet), IDC_REGISTER_PROCESS);
            })
            .Then([] {
                const HWND dialog = FindDialog("プロセス登録");
                if (dialog == nullptr)
                    return false;
                for (const char* name : {"explorer.exe", "game.exe", "notepad.exe"})
                    SendDlgItemMessageA(dialog, IDC_RUNNING_PROCESSES, LB_ADDSTRING, 0,
                                        reinterpret_cast<LPARAM>(name));
                return true;
            })
            .Then(ShootDialog("プロセス登録", "dialog-process.bmp"))
            .Then([] { return FindDialog("プロセス登録") == nullptr; })
            .Do([] { PressSheetButton(FindSheet(), PSBTN_CANCEL); });
        CSettingsSheet sheet(&engine);
        sheet.Show(GetModuleHandleA(nullptr), nullptr);

        ModalDriver list;
        list.Then([] {
                const HWND dialog = FindDialog("ファイルリスト");
                if (dialog == nullptr)
                    return false;
                SelectLine(dialog, IDC_FILELIST_FILES, 0);
                return true;
            })
            .Then(ShootDialog("ファイルリスト", "dialog-filelist.bmp"));
        CFileListDialog(pictures, &engine).Show(nullptr);
    }
    DestroyWindow(window);
    return 0;
}
