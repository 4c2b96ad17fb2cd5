#include "ui/PropertyPage.h"

#include "app/Exception.h"
#include "ui/SettingsSheet.h"

CPropertyPage::~CPropertyPage() = default;

HPROPSHEETPAGE CPropertyPage::CreatePage(HINSTANCE instance, const char* templateName,
                                         DLGPROC procedure)
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = instance;
    page.pszTemplate = templateName;
    page.pfnDlgProc = procedure;
    HPROPSHEETPAGE handle = CreatePropertySheetPageA(&page);
    if (handle == nullptr)
        throw CException("failed CreatePSP");
    return handle;
}

void AbandonSettingsSheet(HWND page) noexcept
{
    if (CSettingsSheet* sheet = CurrentInstance<CSettingsSheet>::Get())
        sheet->failure_.Capture();
    PostMessageA(GetParent(page), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
