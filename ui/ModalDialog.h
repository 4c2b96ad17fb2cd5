#pragma once
#include "ui/CurrentInstance.h"
#include "ui/ModalFailure.h"

#include <windows.h>

// A modal dialog run by the one live object of Dialog, whose OnMessage(dialog, message,
// wParam, lParam) handles its messages. A failure inside it ends the dialog and is thrown
// from Run once the dialog has gone.
template <typename Dialog>
class ModalDialog : public CurrentInstance<Dialog> {
protected:
    ModalDialog() = default;

    // Runs the dialog template of this program's resources.
    void Run(HWND owner, const char* templateName)
    {
        DialogBoxParamA(GetModuleHandleA(nullptr), templateName, owner, Procedure, 0);
        failure_.RethrowIfAny();
    }

    ModalFailure failure_;

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
    {
        Dialog* self = CurrentInstance<Dialog>::Get();
        if (self == nullptr)
            return FALSE;
        return RunDialogHandler(dialog, static_cast<ModalDialog*>(self)->failure_, [&] {
            return self->OnMessage(dialog, message, wParam, lParam);
        });
    }
};
