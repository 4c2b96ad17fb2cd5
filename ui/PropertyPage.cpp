#include "ui/PropertyPage.h"

#include "win32/Exception.h"
#include "win32/GuardedCall.h"

CPropertyPage::CPropertyPage(const char* templateName, ModalFailure& sheetFailure) noexcept
    : templateName_(templateName), sheetFailure_(sheetFailure)
{
}

CPropertyPage::~CPropertyPage() = default;

HPROPSHEETPAGE CPropertyPage::Create(HINSTANCE instance)
{
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = instance;
    page.pszTemplate = templateName_;
    page.pfnDlgProc = Procedure;
    page.lParam = reinterpret_cast<LPARAM>(this);
    HPROPSHEETPAGE handle = CreatePropertySheetPageA(&page);
    if (handle == nullptr)
        throw CException("failed CreatePSP");
    return handle;
}

INT_PTR CPropertyPage::OnCommand(WPARAM, LPARAM)
{
    return FALSE;
}

INT_PTR CPropertyPage::OnOtherMessage(UINT, WPARAM, LPARAM)
{
    return FALSE;
}

void CPropertyPage::Abandon() noexcept
{
    sheetFailure_.Capture();
    PostMessageA(GetParent(window_), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

INT_PTR CALLBACK CPropertyPage::Procedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        // lParam is the sheet's copy of the PROPSHEETPAGE this page was created from.
        auto* page = reinterpret_cast<CPropertyPage*>(
            reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->window_ = window;
    }
    auto* page = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrA(window, DWLP_USER));
    if (page == nullptr)
        return FALSE;  // the messages before WM_INITDIALOG (WM_SETFONT)
    return GuardedCall([&] { return page->Dispatch(message, wParam, lParam); },
                       [&]() -> INT_PTR {
                           page->Abandon();
                           return FALSE;
                       });
}

INT_PTR CPropertyPage::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code != PSN_APPLY)
            return FALSE;
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, PSNRET_NOERROR);
        return OnApply();
    default:
        return OnOtherMessage(message, wParam, lParam);
    }
}
