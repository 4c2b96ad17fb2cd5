#pragma once
#include "win32/GuardedCall.h"

#include <windows.h>

#include <exception>
#include <utility>

// Carries a failure out of a modal loop. No exception may cross the system's frames, so a
// dialog procedure keeps the first failure here and ends its loop; whoever started the
// loop rethrows it once DialogBoxParamA or PropertySheetA has returned.
class ModalFailure {
public:
    // Inside a catch block: keeps the exception being handled, unless one is kept already.
    void Capture() noexcept
    {
        if (!failure_)
            failure_ = std::current_exception();
    }
    void RethrowIfAny()
    {
        if (failure_)
            std::rethrow_exception(std::exchange(failure_, nullptr));
    }

private:
    std::exception_ptr failure_;
};

// A modal dialog's message handler, run so that a failure is kept in failure and ends the
// dialog instead of leaving the dialog procedure.
template <typename Handler>
INT_PTR RunDialogHandler(HWND dialog, ModalFailure& failure, Handler&& handler) noexcept
{
    return GuardedCall(std::forward<Handler>(handler), [&]() -> INT_PTR {
        failure.Capture();
        EndDialog(dialog, 0);
        return TRUE;
    });
}
