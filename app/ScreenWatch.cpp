#include "app/ScreenWatch.h"

#include "app/Protocol.h"
#include "win32/Module.h"

namespace {

// wtsapi32's session notices, bound at run time: Windows 98 and 2000 have none.
using RegisterSessionNotification = BOOL(WINAPI*)(HWND window, DWORD flags);
using UnregisterSessionNotification = BOOL(WINAPI*)(HWND window);
constexpr DWORD kThisSession = 0;  // NOTIFY_FOR_THIS_SESSION, in wtsapi32.h

}  // namespace

CScreenWatch::CScreenWatch(HWND window)
    : window_(window), sessions_(LoadModuleQuietly("wtsapi32.dll"))
{
    const auto registerNotices =
        GetModuleFunction<RegisterSessionNotification>(sessions_.get(),
                                                       "WTSRegisterSessionNotification");
    registered_ = registerNotices != nullptr && registerNotices(window_, kThisSession);
    Arm();
}

CScreenWatch::~CScreenWatch()
{
    KillTimer(window_, Protocol::kSettleTimerId);
    const auto unregisterNotices =
        GetModuleFunction<UnregisterSessionNotification>(sessions_.get(),
                                                         "WTSUnRegisterSessionNotification");
    if (registered_ && unregisterNotices != nullptr)
        unregisterNotices(window_);
}

bool CScreenWatch::Notice(UINT message, WPARAM wParam)
{
    const bool notice = message == WM_DISPLAYCHANGE ||
                        (message == WM_POWERBROADCAST && wParam == PBT_APMRESUMEAUTOMATIC) ||
                        (message == WM_WTSSESSION_CHANGE && wParam == WTS_SESSION_UNLOCK);
    if (notice)
        Arm();
    return notice;
}

bool CScreenWatch::Settled(WPARAM timerId)
{
    if (timerId != Protocol::kSettleTimerId)
        return false;
    KillTimer(window_, Protocol::kSettleTimerId);
    return true;
}

void CScreenWatch::Arm()
{
    SetTimer(window_, Protocol::kSettleTimerId, Protocol::kSettleTime, nullptr);
}
