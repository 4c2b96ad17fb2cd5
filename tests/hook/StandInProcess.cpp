#include "tests/hook/StandInProcess.h"

#include "tests/hook/ShellStandIn.h"
#include "win32/Directory.h"

StandInProcess::StandInProcess(const char* mode)
    : StandInProcess(sizeof(void*) == 8 ? "ShellStandIn64.exe" : "ShellStandIn32.exe", mode)
{
}

StandInProcess::StandInProcess(const std::string& program, const char* mode)
{
    std::string commandLine = GetModuleDirectory() + "\\" + program + " " + mode;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        return;
    process_.reset(info.hProcess);
    UniqueKernelHandle(info.hThread).reset();
    // Its own window: a stand-in left behind by an interrupted run has the same class and title.
    for (int waited = 0; control_ == nullptr && waited < 5000; waited += 20) {
        Sleep(20);
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, ShellStandIn::kControlClass, mode))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == info.dwProcessId)
                control_ = window;
        }
    }
}

StandInProcess::~StandInProcess()
{
    PostMessageA(control_, WM_CLOSE, 0, 0);
    WaitForSingleObject(process_.get(), 5000);
}
