#include "engine/CaptionHelper.h"

#include "hook/Hook64Protocol.h"
#include "win32/Directory.h"

#include <string>

namespace {

// How long the program waits for the helper to start or to end: it waits on the
// user-interface thread, and a helper that is this slow is left behind.
constexpr DWORD kHelperWait = 2000;
constexpr DWORD kReviveInterval = 60 * 1000;

}  // namespace

CCaptionHelper::~CCaptionHelper()
{
    Stop();
}

void CCaptionHelper::Start(COLORREF color)
{
    color_ = color;
    wanted_ = true;
    if (!Runs())
        Launch();
}

void CCaptionHelper::Launch()
{
    process_.reset();
    thread_.reset();
    const std::wstring program = GetModuleDirectoryW() + L"\\" + Hook64::kHelperFile;
    std::wstring commandLine = L"\"" + program + L"\" " + std::to_wstring(GetCurrentProcessId())
                               + L" " + std::to_wstring(color_);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        return;
    process_.reset(info.hProcess);
    thread_.reset(info.hThread);
    threadId_ = info.dwThreadId;
    // Posts need the helper's message queue, which exists once it waits for input.
    WaitForInputIdle(process_.get(), kHelperWait);
}

void CCaptionHelper::Stop()
{
    wanted_ = false;
    if (Runs()) {
        Post(WM_QUIT, 0);
        // Never two: one that does not end in time goes at once (its hook goes with it).
        if (WaitForSingleObject(process_.get(), kHelperWait) != WAIT_OBJECT_0)
            TerminateProcess(process_.get(), 1);
    }
    process_.reset();
    thread_.reset();
}

void CCaptionHelper::Revive()
{
    if (!wanted_ || Runs())
        return;
    // Unsigned ticks: the difference stays right across the counter's wrap.
    const DWORD now = GetTickCount();
    if (revived_ && now - revivedAt_ < kReviveInterval)
        return;
    revived_ = true;
    revivedAt_ = now;
    Launch();
}

void CCaptionHelper::SetTextColor(COLORREF color)
{
    color_ = color;
    Revive();
    Post(Hook64::kSetTextColor, color);
}

void CCaptionHelper::Complusion()
{
    Revive();
    Post(Hook64::kComplusion, 0);
}

bool CCaptionHelper::Runs() const
{
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

void CCaptionHelper::Post(UINT message, WPARAM wParam) const
{
    if (Runs())
        PostThreadMessageA(threadId_, message, wParam, 0);
}
