#include "engine/CaptionHelper.h"

#include "hook/Hook64Protocol.h"
#include "win32/Directory.h"
#include "win32/Module.h"

#include <string>

namespace {

// How long the program waits for the helper to start or to end: it waits on the
// user-interface thread, and a helper that is this slow is left behind.
constexpr DWORD kHelperWait = 2000;

}  // namespace

bool IsWow64Program()
{
    // Looked up: Windows 98 and 2000 have no IsWow64Process.
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto isWow64Process = GetModuleFunction<IsWow64ProcessFunction>(
        GetModuleHandleA("kernel32.dll"), "IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64Process != nullptr && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

CCaptionHelper::~CCaptionHelper()
{
    Stop();
}

void CCaptionHelper::Start(COLORREF color)
{
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT)
        return;
    process_.reset();
    const std::wstring program = GetModuleDirectoryW() + L"\\" + Hook64::kHelperFile;
    std::wstring commandLine = L"\"" + program + L"\" " + std::to_wstring(GetCurrentProcessId())
                               + L" " + std::to_wstring(color);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        return;
    process_.reset(info.hProcess);
    UniqueKernelHandle(info.hThread).reset();
    threadId_ = info.dwThreadId;
    // Posts need the helper's message queue, which exists once it waits for input.
    WaitForInputIdle(process_.get(), kHelperWait);
}

void CCaptionHelper::Stop()
{
    if (!process_)
        return;
    Post(WM_QUIT, 0);
    // Never two: one that does not end in time goes at once (its hook goes with it).
    if (WaitForSingleObject(process_.get(), kHelperWait) != WAIT_OBJECT_0)
        TerminateProcess(process_.get(), 1);
    process_.reset();
}

void CCaptionHelper::SetTextColor(COLORREF color) const
{
    Post(Hook64::kSetTextColor, color);
}

void CCaptionHelper::Complusion() const
{
    Post(Hook64::kComplusion, 0);
}

void CCaptionHelper::Post(UINT message, WPARAM wParam) const
{
    if (process_)
        PostThreadMessageA(threadId_, message, wParam, 0);
}
