#pragma once
#include <objbase.h>

// COM on this thread for the length of a scope; uninitialised only if this initialised it.
class ComApartment {
public:
    ComApartment() noexcept : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment()
    {
        if (initialized_)
            CoUninitialize();
    }

    bool Initialized() const noexcept { return initialized_; }

private:
    bool initialized_;
};
