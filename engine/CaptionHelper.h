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
    void SetTextColor(COLORREF color) const;
    void Complusion() const;

private:
    void Post(UINT message, WPARAM wParam) const;

    UniqueKernelHandle process_;
    DWORD threadId_ = 0;
};

// True when this is a 32-bit program on 64-bit Windows, whose shell the 32-bit hook misses.
bool IsWow64Program();
