#include "engine/Monitors.h"

#include "engine/MonitorOrder.h"
#include "win32/GuardedCall.h"
#include "win32/Module.h"

namespace {

using SetThreadDpiContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT context);

// The calling thread per-monitor DPI aware while it lives, where the system has the call
// (Windows 10 1607 on): the program is only system aware, and a monitor at another scale
// would otherwise be reported in scaled, not physical, pixels.
class PerMonitorAwareScope {
public:
    PerMonitorAwareScope() noexcept
        : set_(GetModuleFunction<SetThreadDpiContext>(GetModuleHandleA("user32.dll"),
                                                      "SetThreadDpiAwarenessContext"))
    {
        if (set_ == nullptr)
            return;
        previous_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        if (previous_ == nullptr)
            previous_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    }
    ~PerMonitorAwareScope()
    {
        if (previous_ != nullptr)
            set_(previous_);
    }
    PerMonitorAwareScope(const PerMonitorAwareScope&) = delete;
    PerMonitorAwareScope& operator=(const PerMonitorAwareScope&) = delete;

private:
    SetThreadDpiContext set_;
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

BOOL CALLBACK AppendMonitor(HMONITOR monitor, HDC, RECT*, LPARAM boxes)
{
    return GuardedCall(
        [&] {
            MONITORINFO info = {};
            info.cbSize = sizeof info;
            if (GetMonitorInfoA(monitor, &info)) {
                const RECT& r = info.rcMonitor;
                reinterpret_cast<std::vector<MonitorBox>*>(boxes)->push_back(
                    {r.left, r.top, r.right, r.bottom, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
            }
            return TRUE;
        },
        [] { return FALSE; });
}

}  // namespace

MonitorLayout ReadMonitors()
{
    const PerMonitorAwareScope aware;
    MonitorLayout layout;
    layout.screen.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    layout.screen.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    layout.screen.right = layout.screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    layout.screen.bottom = layout.screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    std::vector<MonitorBox> boxes;
    // A list cut short (out of memory) is no layout to compose for.
    if (!EnumDisplayMonitors(nullptr, nullptr, AppendMonitor, reinterpret_cast<LPARAM>(&boxes)))
        return layout;
    SortMonitors(boxes);
    for (const MonitorBox& box : boxes)
        layout.monitors.push_back({box.left, box.top, box.right, box.bottom});
    return layout;
}
