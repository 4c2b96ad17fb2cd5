#include "tests/hook/ShellStandIn.h"

#include "tests/hook/DesktopWindows.h"
#include "win32/GuardedCall.h"

#include <commctrl.h>

#include <cstring>
#include <memory>

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
        case ShellStandIn::kHasHookLibrary:
            return GetModuleHandleA("tesselsub.dll") != nullptr ||
                   GetModuleHandleA("tesselsub64.dll") != nullptr;
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
    const char* mode = argc == 2 ? argv[1] : "progman";
    std::unique_ptr<DesktopWindows> desktop;
    if (std::strcmp(mode, "plain") != 0) {
        desktop = std::make_unique<DesktopWindows>(
            std::strcmp(mode, "workerw") == 0 ? DesktopParent::WorkerW : DesktopParent::Progman);
        ShowWindow(desktop->Top(), SW_SHOWNOACTIVATE);
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ControlProc;
    windowClass.lpszClassName = ShellStandIn::kControlClass;
    RegisterClassA(&windowClass);
    CreateWindowExA(0, ShellStandIn::kControlClass, mode, 0, 0, 0, 0, 0, nullptr, nullptr,
                    nullptr, desktop.get());
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
}
