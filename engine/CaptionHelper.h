#pragma once
#include "win32/UniqueHandle.h"

#include <windows.h>

// The 64-bit caption helper (TesselHook64.exe, hook/Hook64Protocol.h) as the resident run
// sees it: started while caption transparency is on, if this 32-bit program runs on 64-bit
// Windows, and told what the program tells its own hook library. A helper that is missing or
// fails to start leaves everything else as it was, without a word.
class CCaptionHelper {
public:
    CCaptionHelper() = default;
    ~CCaptionHelper();
    CCaptionHelper(const CCaptionHelper&) = delete;
    CCaptionHelper& operator=(const CCaptionHelper&) = delete;

    // Starts the helper with the caption colour unless one runs already.
    void Start(COLORREF color);
    // Asks the helper to remove its hook and waits for it to end (ended at last).
    void Stop();
    void SetTextColor(COLORREF color);
    void Complusion();
    // Starts a helper again that ended while it should run (ended from outside, crashed);
    // once a minute at most, so one that dies at once cannot spin. Costs one look at its
    // process otherwise.
    void Revive();

private:
    bool Runs() const;
    void Launch();
    void Post(UINT message, WPARAM wParam) const;

    UniqueKernelHandle process_;
    // Held while the helper is: a thread's id is not given out again while a handle to it
    // is open, so posts can never reach a thread of another program.
    UniqueKernelHandle thread_;
    DWORD threadId_ = 0;
    COLORREF color_ = 0;
    bool wanted_ = false;
    bool revived_ = false;
    DWORD revivedAt_ = 0;
};
