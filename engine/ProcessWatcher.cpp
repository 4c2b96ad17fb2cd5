#include "engine/ProcessWatcher.h"

#include "engine/ProcessFileName.h"
#include "win32/GuardedCall.h"
#include "win32/Module.h"
#include "win32/UniqueHandle.h"

#include <tlhelp32.h>

#include <cstring>
#include <string_view>

namespace {

using CreateSnapshotFunction = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
using ProcessWalkFunction = BOOL(WINAPI*)(HANDLE snapshot, PROCESSENTRY32* entry);

static_assert(sizeof(void*) != 4 || sizeof(PROCESSENTRY32) == 296,
              "the narrow snapshot entry of the 32-bit program");

BOOL AppendFileName(DWORD, const char* exeFile, void* user)
{
    return GuardedCall(
        [&] {
            const std::size_t length = strnlen(exeFile, MAX_PATH);
            static_cast<std::vector<std::string>*>(user)->push_back(
                ProcessFileName(std::string_view(exeFile, length)));
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
    const auto first = GetModuleFunction<ProcessWalkFunction>(kernel.get(), "Process32First");
    const auto next = GetModuleFunction<ProcessWalkFunction>(kernel.get(), "Process32Next");
    if (createSnapshot == nullptr || first == nullptr || next == nullptr)
        return false;
    const UniqueFile snapshot(createSnapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return false;

    PROCESSENTRY32 entry;
    std::memset(&entry, 0, sizeof entry);
    entry.dwSize = sizeof entry;
    for (BOOL found = first(snapshot.get(), &entry); found; found = next(snapshot.get(), &entry)) {
        if (!callback(entry.th32ProcessID, entry.szExeFile, user))
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
