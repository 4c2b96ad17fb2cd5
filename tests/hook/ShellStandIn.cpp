#include "tests/hook/ShellStandIn.h"

#include "tests/hook/DesktopWindows.h"
#include "win32/GuardedCall.h"

#include <cstring>

namespace {

LRESULT Control(DesktopWindows& desktop, HWND window, UINT message, WPARAM wParam,
                LPARAM lParam)
{
    switch (message) {
    case ShellStandIn::kResetAndRepaint:
        SetCaptionColors(desktop.ListView(),
                         {ShellStandIn::kShellText, ShellStandIn::kShellBackground});
        RedrawWindow(desktop.ListView(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return static_cast<LRESULT>(GetCaptionColors(desktop.ListView()).text);
    case ShellStandIn::kRestart:
        desktop.ReplaceListView();
        PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        return reinterpret_cast<LRESULT>(desktop.ListView());
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* desktop = reinterpret_cast<DesktopWindows*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (desktop == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    return GuardedCall([&] { return Control(*desktop, window, message, wParam, lParam); },
                       [] { return LRESULT{0}; });
}

}  // namespace

int main(int argc, char** argv)
{
    const bool worker = argc == 2 && std::strcmp(argv[1], "workerw") == 0;
    DesktopWindows desktop(worker ? DesktopParent::WorkerW : DesktopParent::Progman);
    ShowWindow(desktop.Top(), SW_SHOWNOACTIVATE);
    UpdateWindow(desktop.Top());

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ControlProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = ShellStandIn::kControlClass;
    RegisterClassA(&windowClass);
    if (!CreateWindowExA(0, ShellStandIn::kControlClass, nullptr, WS_OVERLAPPED, 0, 0, 0, 0,
                         nullptr, nullptr, windowClass.hInstance, &desktop))
        return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
