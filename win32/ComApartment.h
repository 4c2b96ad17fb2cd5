#pragma once
#include <objbase.h>

// A single-threaded COM apartment on this thread for the length of a scope. Undoes exactly
// what it did: uninitialises only when its own initialisation succeeded (S_OK or S_FALSE).
class ComApartment {
public:
    ComApartment() noexcept : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }

    // This scope initialised COM (or it already was, in the same apartment model).
    bool Initialized() const noexcept { return SUCCEEDED(result_); }
    // COM can be used: our apartment, or a multithreaded one the caller already had.
    bool Usable() const noexcept { return Initialized() || result_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT result_;
};
