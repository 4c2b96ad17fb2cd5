#pragma once
// Which processes run 64-bit code, asked through IsWow64Process where the system has it
// (Windows 98 and 2000 have not: there nothing runs under WOW64).
#include "win32/Module.h"
#include "win32/UniqueHandle.h"

inline bool IsWow64(HANDLE process)
{
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto isWow64Process = GetModuleFunction<IsWow64ProcessFunction>(
        GetModuleHandleA("kernel32.dll"), "IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64Process != nullptr && isWow64Process(process, &wow64) && wow64;
}

// True when this is a 32-bit program on 64-bit Windows.
inline bool IsWow64Program()
{
    return IsWow64(GetCurrentProcess());
}

// On 64-bit Windows: whether the process runs 64-bit code (one that cannot be asked counts
// as such, as the system's own processes do). False for id 0, no process.
inline bool Is64BitProcess(DWORD processId)
{
    if (processId == 0)
        return false;
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    return !process || !IsWow64(process.get());
}
