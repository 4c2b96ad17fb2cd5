#pragma once
// HookSharedState — the library's shared section; HookLibraryCopy — a private copy loaded by path.
#include "win32/UniqueHandle.h"

#include <string>

// The four fields of the "TSL_HOOK" section, in their order.
struct HookSharedState {
    HHOOK hook;
    LONG count;
    HWND listView;
    COLORREF textColor;
};

// The header of a loaded module's section with this (8-character) name, or null.
const IMAGE_SECTION_HEADER* FindSection(HMODULE module, const char* name);
// The live shared section of a loaded tesselsub module, or null.
volatile HookSharedState* SharedStateOf(HMODULE module);

// A copy of the built tesselsub.dll in a folder of its own, loaded by full path. Its shared
// section belongs to that file alone, so no earlier program's registrations or colour
// (Wine keeps a hook library mapped in every process its hook reached) can show in it.
// Copies left behind because such a process still mapped them are swept at the next start.
class HookLibraryCopy {
public:
    HookLibraryCopy();
    ~HookLibraryCopy();
    HookLibraryCopy(const HookLibraryCopy&) = delete;
    HookLibraryCopy& operator=(const HookLibraryCopy&) = delete;

    HMODULE Module() const noexcept { return module_.get(); }
    const std::string& Path() const noexcept { return path_; }
    volatile HookSharedState& Shared() const { return *shared_; }

    int (WINAPI* registerHook)() = nullptr;
    int (WINAPI* unregisterHook)() = nullptr;
    COLORREF (WINAPI* setTextColor)(COLORREF) = nullptr;
    int (WINAPI* complusion)() = nullptr;

private:
    std::string folder_;
    std::string path_;
    UniqueModule module_;
    volatile HookSharedState* shared_ = nullptr;
};

// The folder of this test program, where the build puts tesselsub.dll.
std::string ProgramFolder();
