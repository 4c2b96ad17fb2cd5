#include "ui/SpiPage.h"

#include "app/WallpaperChanger.h"
#include "resources/DialogIds.h"
#include "ui/DialogUtil.h"
#include "ui/SettingsSheet.h"

#include <string>

namespace {

constexpr char kTemplate[] = "Page_Spi";
constexpr char kBrowseTitle[] = "SusiePluginディレクトリ";

}  // namespace

HPROPSHEETPAGE CSpiPage::Create(HINSTANCE instance)
{
    return CreatePage(instance, kTemplate, PageProcedure<CSpiPage>);
}

INT_PTR CSpiPage::OnInitDialog(HWND window)
{
    window_ = window;
    const CSpiOptions& spi = CurrentEngine().spi;
    SetItemText(window, IDC_SPI_PATH, spi.GetSpiPath());
    SetChecked(window, IDC_USE_SPI, spi.UseSpi);
    return TRUE;
}

INT_PTR CSpiPage::OnCommand(WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) == IDC_SPI_BROWSE) {
        const std::string path = BrowseForFolder(window_, kBrowseTitle);
        if (!path.empty())
            SetItemText(window_, IDC_SPI_PATH, path);
    }
    return TRUE;
}

INT_PTR CSpiPage::OnApply()
{
    CWallpaperChanger& engine = CurrentEngine();
    engine.spi.Apply(GetItemText(window_, IDC_SPI_PATH), IsChecked(window_, IDC_USE_SPI), engine);
    return TRUE;
}
