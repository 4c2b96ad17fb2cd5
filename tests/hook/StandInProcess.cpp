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
    for (int waited = 0; waited < 5000; waited += 20) {
        if ((control_ = FindWindowA(ShellStandIn::kControlClass, mode)) != nullptr)
            break;
        Sleep(20);
    }
}

StandInProcess::~StandInProcess()
{
    PostMessageA(control_, WM_CLOSE, 0, 0);
    WaitForSingleObject(process_.get(), 5000);
}
