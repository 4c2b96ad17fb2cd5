#pragma once
#include "ui/CurrentInstance.h"

#include <windows.h>
#include <commctrl.h>

// Base of the five settings pages. A page's dialog procedure is PageProcedure<Page>, which
// finds the page through its current-instance slot and routes WM_INITDIALOG to
// OnInitDialog, WM_COMMAND to OnCommand, PSN_APPLY to OnApply and the rest to
// OnOtherMessage. The engine changes only in OnApply, which the sheet sends on OK to the
// pages that were opened.
class CPropertyPage {
public:
    virtual ~CPropertyPage();
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;

    // The property-sheet page of this page's template; throws CException "failed CreatePSP".
    virtual HPROPSHEETPAGE Create(HINSTANCE instance) = 0;

    // What a page without a use for these messages answers.
    INT_PTR OnCommand(WPARAM, LPARAM) { return FALSE; }
    INT_PTR OnOtherMessage(UINT, WPARAM, LPARAM) { return FALSE; }

protected:
    CPropertyPage() = default;
    static HPROPSHEETPAGE CreatePage(HINSTANCE instance, const char* templateName,
                                     DLGPROC procedure);

    HWND window_ = nullptr;  // set by OnInitDialog
};

// Keeps the failure a page procedure caught for the open sheet and asks the sheet to
// close; the sheet rethrows it once PropertySheetA has returned.
void AbandonSettingsSheet(HWND page) noexcept;

template <typename Page>
INT_PTR CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Page* page = CurrentInstance<Page>::Get();
    if (page == nullptr)
        return FALSE;
    try {
        switch (message) {
        case WM_INITDIALOG:
            return page->OnInitDialog(window);
        case WM_COMMAND:
            return page->OnCommand(wParam, lParam);
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->code != PSN_APPLY)
                return FALSE;
            SetWindowLongPtrA(window, DWLP_MSGRESULT, PSNRET_NOERROR);
            return page->OnApply();
        default:
            return page->OnOtherMessage(message, wParam, lParam);
        }
    } catch (...) {
        AbandonSettingsSheet(window);
        return FALSE;
    }
}
