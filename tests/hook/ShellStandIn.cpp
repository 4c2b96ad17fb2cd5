#include "tests/hook/ShellStandIn.h"

#include "tests/hook/DesktopWindows.h"
#include "win32/GuardedCall.h"

#include <commctrl.h>

#include <cstring>

namespace {

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
                              reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* desktop = reinterpret_cast<DesktopWindows*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return GuardedCall([&]() -> LRESULT {
        switch (message) {
        case ShellStandIn::kResetAndRepaint:
            SetCaptionColors(desktop->ListView(), {CLR_DEFAULT, CLR_DEFAULT});
            RedrawWindow(desktop->ListView(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            return static_cast<LRESULT>(GetCaptionColors(desktop->ListView()).text);
        case ShellStandIn::kRestart:
            desktop->ReplaceListView();
            PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
            return reinterpret_cast<LRESULT>(desktop->ListView());
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
        }
    }, [] { return LRESULT{0}; });
}

}  // namespace

int main(int argc, char** argv)
{
    const bool worker = argc == 2 && std::strcmp(argv[1], "workerw") == 0;
    DesktopWindows desktop(worker ? DesktopParent::WorkerW : DesktopParent::Progman);
    ShowWindow(desktop.Top(), SW_SHOWNOACTIVATE);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ControlProc;
    windowClass.lpszClassName = ShellStandIn::kControlClass;
    RegisterClassA(&windowClass);
    CreateWindowExA(0, ShellStandIn::kControlClass, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr,
                    nullptr, &desktop);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
}
