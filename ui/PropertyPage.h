#pragma once
#include "ui/ModalFailure.h"

#include <windows.h>
#include <commctrl.h>

// Base of the settings pages. The page object travels with its window
// (PROPSHEETPAGE.lParam, kept in DWLP_USER); one page procedure routes WM_INITDIALOG to
// OnInitDialog, WM_COMMAND to OnCommand, PSN_APPLY to OnApply and the rest to
// OnOtherMessage. The engine changes only in OnApply, which the sheet sends on OK to the
// pages that were opened. A failure inside a page is kept for the sheet, which closes and
// rethrows it once PropertySheetA has returned.
class CPropertyPage {
public:
    virtual ~CPropertyPage();
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;

    // The property-sheet page of this page's template; throws CException "failed CreatePSP".
    HPROPSHEETPAGE Create(HINSTANCE instance);

protected:
    // sheetFailure: where the sheet looks for a failure once it has closed.
    CPropertyPage(const char* templateName, ModalFailure& sheetFailure) noexcept;

    // window_ is set before this runs.
    virtual INT_PTR OnInitDialog() = 0;
    virtual INT_PTR OnApply() = 0;
    // What a page without a use for these messages answers: FALSE.
    virtual INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
    virtual INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Inside a catch block: keeps the failure for the sheet and asks the sheet to close.
    void Abandon() noexcept;

    HWND window_ = nullptr;

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    const char* templateName_;
    ModalFailure& sheetFailure_;
};
