#include "engine/ProcessWatcher.h"

#include "engine/ProcessFileName.h"
#include "win32/AnsiPath.h"
#include "win32/GuardedCall.h"
#include "win32/Module.h"
#include "win32/UniqueHandle.h"

#include <tlhelp32.h>

#include <cstring>
#include <string_view>

namespace {

using CreateSnapshotFunction = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
using ProcessWalkFunction = BOOL(WINAPI*)(HANDLE snapshot, PROCESSENTRY32W* entry);

BOOL AppendFileName(DWORD, const char* exeFile, void* user)
{
    return GuardedCall(
        [&] {
            static_cast<std::vector<std::string>*>(user)->push_back(ProcessFileName(exeFile));
            return TRUE;
        },
        [] { return FALSE; });
}

}  // namespace

bool EnumerateWithToolhelp(ProcessCallback callback, void* user)
{
    const UniqueModule kernel = LoadModuleQuietly("Kernel32.DLL");
    if (!kernel)
        return false;
    const auto createSnapshot =
        GetModuleFunction<CreateSnapshotFunction>(kernel.get(), "CreateToolhelp32Snapshot");
    // The wide entries: the narrow ones turn a name the code page cannot spell into a
    // best-fit look-alike ("cafe.exe" for "café.exe") or question marks.
    const auto first = GetModuleFunction<ProcessWalkFunction>(kernel.get(), "Process32FirstW");
    const auto next = GetModuleFunction<ProcessWalkFunction>(kernel.get(), "Process32NextW");
    if (createSnapshot == nullptr || first == nullptr || next == nullptr)
        return false;
    const UniqueFile snapshot(createSnapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return false;

    PROCESSENTRY32W entry;
    std::memset(&entry, 0, sizeof entry);
    entry.dwSize = sizeof entry;
    std::string exeFile;
    for (BOOL found = first(snapshot.get(), &entry); found; found = next(snapshot.get(), &entry)) {
        const std::size_t length = wcsnlen(entry.szExeFile, MAX_PATH);
        // A name without an exact ANSI form matches no registered name: skipped.
        if (ToExactAnsi(std::wstring(entry.szExeFile, length), exeFile) &&
            !callback(entry.th32ProcessID, exeFile.c_str(), user))
            break;
        entry.dwSize = sizeof entry;
    }
    return true;
}

void EnumerateProcesses(std::vector<std::string>& names)
{
    names.clear();
    // Listed on every platform: limiting the walk to the 95/98/Me family would switch
    // process suppression off on every NT-family system.
    EnumerateWithToolhelp(AppendFileName, &names);
}
