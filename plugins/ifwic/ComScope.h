#pragma once
#include <objbase.h>

// COM on the calling thread for the length of one entry-point call. Undoes exactly what it
// did: uninitialises only when its own CoInitializeEx succeeded (S_OK or S_FALSE).
class ComScope {
public:
    ComScope() noexcept : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

    // A caller's multithreaded apartment serves as well as our own.
    bool Usable() const noexcept { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT result_;
};
