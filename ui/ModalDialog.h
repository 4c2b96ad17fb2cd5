#pragma once
#include "ui/ModalFailure.h"

#include <windows.h>

// Base of the modal dialogs. The object travels with its dialog (DialogBoxParam's parameter,
// kept in DWLP_USER); the dialog procedure dispatches the common messages to the virtual
// handlers, and a failure inside any of them ends the dialog and is thrown from Run once
// the dialog has gone.
class CModalDialog {
public:
    CModalDialog(const CModalDialog&) = delete;
    CModalDialog& operator=(const CModalDialog&) = delete;

protected:
    CModalDialog() = default;
    virtual ~CModalDialog();

    // Runs the dialog template of this program's resources.
    void Run(HWND owner, const char* templateName);

    // dialog_ is set before this runs.
    virtual void OnInitDialog() = 0;
    virtual void OnCommand(int id, int notification);
    // Messages other than WM_INITDIALOG, WM_COMMAND and WM_CLOSE; the dialog procedure's
    // answer, FALSE for not handled. WM_CLOSE and IDCANCEL (Esc) end the dialog as its close
    // or cancel button does, keeping nothing.
    virtual INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Runs a handler called from outside the dialog procedure (a subclassed control's) under
    // the same firewall: a failure ends the dialog.
    template <typename Handler>
    void Guarded(Handler&& handler) noexcept
    {
        RunDialogHandler(dialog_, failure_, [&]() -> INT_PTR {
            handler();
            return TRUE;
        });
    }
    void End() { EndDialog(dialog_, 0); }

    HWND dialog_ = nullptr;

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    ModalFailure failure_;
};
