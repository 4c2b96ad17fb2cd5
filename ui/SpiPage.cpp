#include "ui/SpiPage.h"

#include "engine/WallpaperChanger.h"
#include "resources/DialogIds.h"
#include "ui/DialogUtil.h"

#include <string>
#include <utility>

namespace {

constexpr char kTemplate[] = "Page_Spi";
constexpr char kBrowseTitle[] = "SusiePluginディレクトリ";

}  // namespace

CSpiPage::CSpiPage(CWallpaperChanger& engine, ModalFailure& sheetFailure,
                   FolderBrowser browseForFolder)
    : CPropertyPage(kTemplate, sheetFailure),
      engine_(engine),
      browseForFolder_(std::move(browseForFolder))
{
}

INT_PTR CSpiPage::OnInitDialog()
{
    const CSpiOptions& spi = engine_.spi;
    SetItemText(window_, IDC_SPI_PATH, spi.GetSpiPath());
    SetChecked(window_, IDC_USE_SPI, spi.UseSpi);
    return TRUE;
}

INT_PTR CSpiPage::OnCommand(WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) == IDC_SPI_BROWSE) {
        const std::string path = browseForFolder_(window_, kBrowseTitle);
        if (!path.empty())
            SetItemText(window_, IDC_SPI_PATH, path);
    }
    return TRUE;
}

INT_PTR CSpiPage::OnApply()
{
    engine_.ApplySpi(GetItemPathOr(window_, IDC_SPI_PATH, engine_.spi.GetSpiPath()),
                     IsChecked(window_, IDC_USE_SPI));
    return TRUE;
}
