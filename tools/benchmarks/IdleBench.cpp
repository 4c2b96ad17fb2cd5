#include "tools/benchmarks/BenchModes.h"

#include "win32/UniqueHandle.h"
#include "tools/benchmarks/BenchClock.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

// The main window's timer, which stands for one minute.
constexpr UINT_PTR kTimerId = 100;

double CpuMs(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

HWND WaitForMainWindow()
{
    for (int waited = 0; waited < 20000; waited += 20) {
        if (HWND window = FindWindowA("BRINDLECOVE_02", "Tesselwane"))
            return window;
        Sleep(20);
    }
    return nullptr;
}

}  // namespace

// idle MINUTES: sends the running resident program MINUTES timer messages, each a minute
// with nothing due, and reports its CPU time over them as the system gives it.
// idle 0 closes the program instead.
int RunIdleBench(const std::vector<std::string>& arguments)
{
    const int minutes = std::atoi(arguments[0].c_str());
    HWND window = WaitForMainWindow();
    if (window == nullptr)
        return 3;
    DWORD_PTR result = 0;
    if (minutes == 0) {
        SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_NORMAL, 20000, &result);
        return 0;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
    const double start = CpuMs(process.get());
    for (int i = 0; i < minutes; ++i)
        SendMessageTimeoutA(window, WM_TIMER, kTimerId, 0, SMTO_NORMAL, 20000, &result);
    Report("timer_minutes_cpu_ms", CpuMs(process.get()) - start);
    return 0;
}
