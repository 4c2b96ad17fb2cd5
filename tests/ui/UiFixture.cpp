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

std::string SolidBitmap(int width, int height, COLORREF color)
{
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string data(reinterpret_cast<const char*>(&file), sizeof file);
    data.append(reinterpret_cast<const char*>(&info), sizeof info);
    std::string row(stride, '\0');
    for (int x = 0; x < width; ++x) {
        row[x * 3] = static_cast<char>(GetBValue(color));
        row[x * 3 + 1] = static_cast<char>(GetGValue(color));
        row[x * 3 + 2] = static_cast<char>(GetRValue(color));
    }
    for (int y = 0; y < height; ++y)
        data += row;
    return data;
}

std::string SystemWallpaper()
{
    char path[MAX_PATH + 1] = {};
    SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof path, path, 0);
    return path;
}
