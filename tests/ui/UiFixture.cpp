#include "tests/ui/UiFixture.h"

#include "ui/SettingsSheet.h"

#include <commctrl.h>

UiTest::UiTest()
{
    window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    engine = std::make_unique<CWallpaperChanger>(registry.Root());
    engine->Load(window);
}

UiTest::~UiTest()
{
    engine.reset();
    DestroyWindow(window);
}

void UiTest::ShowSheet()
{
    CSettingsSheet sheet(engine.get(), browseForFolder);
    sheet.Show(GetModuleHandleA(nullptr), nullptr);
}

ModalDriver::Step UiTest::OnPage(int index, std::function<void(HWND page)> action)
{
    return [index, action] {
        const HWND sheet = FindSheet();
        if (sheet == nullptr)
            return false;
        SelectPage(sheet, index);
        action(CurrentPage(sheet));
        return true;
    };
}

ModalDriver::Step UiTest::PressSheet(int button)
{
    return [button] {
        const HWND sheet = FindSheet();
        if (sheet == nullptr)
            return false;
        PressSheetButton(sheet, button);
        return true;
    };
}

std::string SystemWallpaper()
{
    char path[MAX_PATH + 1] = {};
    SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof path, path, 0);
    return path;
}
