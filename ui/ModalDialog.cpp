#include "ui/ModalDialog.h"

#include <commctrl.h>

CModalDialog::~CModalDialog() = default;

void CModalDialog::Run(HWND owner, const char* templateName)
{
    // A one-shot run opens the file list with nothing else having loaded the version 6
    // controls that the manifest asks for.
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(GetModuleHandleA(nullptr), templateName, owner, Procedure,
                    reinterpret_cast<LPARAM>(this));
    failure_.RethrowIfAny();
}

void CModalDialog::OnCommand(int, int) {}

INT_PTR CModalDialog::OnOtherMessage(UINT, WPARAM, LPARAM)
{
    return FALSE;
}

INT_PTR CALLBACK CModalDialog::Procedure(HWND dialog, UINT message, WPARAM wParam,
                                         LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<CModalDialog*>(lParam)->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<CModalDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (self == nullptr)
        return FALSE;  // the messages before WM_INITDIALOG (WM_SETFONT)
    return RunDialogHandler(dialog, self->failure_,
                            [&] { return self->Dispatch(message, wParam, lParam); });
}

INT_PTR CModalDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_COMMAND:
        // Esc: the dialog manager sends IDCANCEL, which none of the templates uses otherwise.
        if (LOWORD(wParam) == IDCANCEL)
            End();
        else
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        End();
        return TRUE;
    default:
        return OnOtherMessage(message, wParam, lParam);
    }
}
