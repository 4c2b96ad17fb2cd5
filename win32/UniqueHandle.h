#pragma once
// One owner for every kind of Win32 handle: UniqueHandle<Handle, Close, Invalid> closes what
// it holds with Close unless it is the kind's invalid value. Each kind is declared in one line.
#include <windows.h>
#include <objbase.h>

#include <cstdint>
#include <utility>

template <typename Handle, auto Close, std::intptr_t InvalidValue = 0>
class UniqueHandle {
public:
    static Handle Invalid() noexcept { return reinterpret_cast<Handle>(InvalidValue); }

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Invalid(); }

    // For an out-parameter: closes what is held and hands out the empty slot.
    Handle* put() noexcept
    {
        reset();
        return &handle_;
    }
    Handle release() noexcept { return std::exchange(handle_, Invalid()); }
    void reset(Handle handle = Invalid()) noexcept
    {
        const Handle old = std::exchange(handle_, handle);
        if (old != Invalid())
            Close(old);
    }

private:
    Handle handle_ = Invalid();
};

using UniqueRegKey = UniqueHandle<HKEY, RegCloseKey>;
using UniqueFile = UniqueHandle<HANDLE, CloseHandle, -1>;  // CreateFile fails with -1
using UniqueKernelHandle = UniqueHandle<HANDLE, CloseHandle>;
using UniqueFind = UniqueHandle<HANDLE, FindClose, -1>;
using UniqueModule = UniqueHandle<HMODULE, FreeLibrary>;
using UniqueGdiObject = UniqueHandle<HGDIOBJ, DeleteObject>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteDC>;
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalFree>;
using UniqueLocal = UniqueHandle<HLOCAL, LocalFree>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenu>;
// Memory the shell hands out for the caller to free (item id lists).
using UniqueCoTaskMemory = UniqueHandle<void*, CoTaskMemFree>;
