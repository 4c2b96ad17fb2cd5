#include "tests/e2e/TesselRun.h"

#include "app/Protocol.h"
#include "settings/RegistryNames.h"
#include "win32/AnsiPath.h"
#include "win32/Directory.h"

#include <shlwapi.h>

#include <stdexcept>

TesselRun::TesselRun(const std::string& arguments, const std::string& program)
    : TesselRun(WideOf(arguments), program)
{
}

TesselRun::TesselRun(const std::wstring& arguments, const std::string& named)
{
    const std::string program = named.empty() ? GetModuleDirectory() + "\\Tessel.exe" : named;
    std::wstring commandLine = L"\"" + WideOf(program) + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(WideOf(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &info))
        throw std::runtime_error("cannot start " + program);
    process_.reset(info.hProcess);
    UniqueKernelHandle(info.hThread).reset();
    processId_ = info.dwProcessId;
}

TesselRun::~TesselRun()
{
    if (Wait(0) == -1) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

long TesselRun::Wait(unsigned long milliseconds)
{
    if (WaitForSingleObject(process_.get(), milliseconds) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return static_cast<long>(code);
}

HWND TesselRun::MainWindow(unsigned long milliseconds) const
{
    for (unsigned long waited = 0;; waited += 20) {
        HWND window = FindWindowA(Protocol::kWindowClass, Protocol::kTitle);
        DWORD owner = 0;
        if (window != nullptr)
            GetWindowThreadProcessId(window, &owner);
        if (owner == processId_)
            return window;
        if (waited >= milliseconds)
            return nullptr;
        Sleep(20);
    }
}

LRESULT TesselRun::Send(UINT message, WPARAM wParam, LPARAM lParam,
                        unsigned long milliseconds) const
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(MainWindow(), message, wParam, lParam, SMTO_NORMAL, milliseconds,
                        &result);
    return static_cast<LRESULT>(result);
}

bool TesselRun::WaitForHotkey(UINT modifiers, UINT virtualKey, unsigned long milliseconds) const
{
    for (unsigned long waited = 0; waited < milliseconds; waited += 20) {
        if (!RegisterHotKey(nullptr, 1, modifiers, virtualKey))
            return true;
        UnregisterHotKey(nullptr, 1);
        Sleep(20);
    }
    return false;
}

ProgramRegistry::ProgramRegistry()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, RegistryNames::kRootPath);
}

ProgramRegistry::~ProgramRegistry()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, RegistryNames::kRootPath);
}

std::string DesktopValue(const char* name)
{
    char value[MAX_PATH + 1] = {};
    DWORD size = sizeof value - 1;
    SHGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", name, nullptr, value, &size);
    return value;
}

std::string CurrentWallpaper()
{
    return DesktopValue("Wallpaper");
}
