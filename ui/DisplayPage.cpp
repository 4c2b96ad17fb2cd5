#include "ui/DisplayPage.h"

#include "engine/WallpaperChanger.h"
#include "resources/DialogIds.h"
#include "ui/DialogUtil.h"

namespace {

constexpr char kTemplate[] = "PAGE_DISPLAY";

}  // namespace

CDisplayPage::CDisplayPage(CWallpaperChanger& engine, ModalFailure& sheetFailure)
    : CPropertyPage(kTemplate, sheetFailure), engine_(engine)
{
}

INT_PTR CDisplayPage::OnInitDialog()
{
    SetChecked(window_, IDC_PER_MONITOR, engine_.options.perMonitor);
    return TRUE;
}

INT_PTR CDisplayPage::OnApply()
{
    engine_.options.perMonitor = IsChecked(window_, IDC_PER_MONITOR);
    return TRUE;
}
