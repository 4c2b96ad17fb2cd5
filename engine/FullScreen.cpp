#include "engine/FullScreen.h"

#include "win32/Module.h"

#include <windows.h>

#include <cstring>

namespace {

// The shell's answers (QUERY_USER_NOTIFICATION_STATE, from Windows Vista on) that mean a
// full-screen program or a presentation.
constexpr int kShellBusy = 2;
constexpr int kShellDirect3dFullScreen = 3;
constexpr int kShellPresentation = 4;
using QueryNotificationState = HRESULT(WINAPI*)(int* state);

bool ShellSaysFullScreen()
{
    // Bound at run time: older systems have no such function. The program has shell32
    // loaded already (the tray icon), so asking costs no load.
    const auto query = GetModuleFunction<QueryNotificationState>(
        GetModuleHandleA("shell32.dll"), "SHQueryUserNotificationState");
    int state = 0;
    if (query == nullptr || FAILED(query(&state)))
        return false;
    return state == kShellBusy || state == kShellDirect3dFullScreen ||
           state == kShellPresentation;
}

// A screen saver covers its monitor without a caption too, but the rule is for what the user
// watches: a slide show of pictures all night must not hold the changes back.
bool ScreenSaverRuns()
{
    BOOL running = FALSE;
    return SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0) && running;
}

bool IsDesktopOursOrSaver(HWND window)
{
    // Wine hands out the desktop window itself when nothing else is in front.
    if (window == GetDesktopWindow() || window == GetShellWindow())
        return true;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId())
        return true;
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, "Progman") == 0 || std::strcmp(name, "WorkerW") == 0 ||
           std::strcmp(name, "WindowsScreenSaverClass") == 0;
}

// A window with a caption is not full screen, even maximised over an auto-hidden taskbar.
bool CoversItsMonitor(HWND window)
{
    if ((GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
        return false;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    RECT own = {};
    if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONULL), &monitor) ||
        !GetWindowRect(window, &own))
        return false;
    const RECT& screen = monitor.rcMonitor;
    return own.left <= screen.left && own.top <= screen.top && own.right >= screen.right &&
           own.bottom >= screen.bottom;
}

}  // namespace

bool IsFullScreenProgramInFront()
{
    if (ScreenSaverRuns())
        return false;
    const HWND front = GetForegroundWindow();
    if (front != nullptr && !IsDesktopOursOrSaver(front) && CoversItsMonitor(front))
        return true;
    return ShellSaysFullScreen();
}
