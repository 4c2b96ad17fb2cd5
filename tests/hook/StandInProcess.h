#pragma once
#include "win32/UniqueHandle.h"

#include <string>

// A stand-in process (ShellStandIn32.exe or ShellStandIn64.exe beside this test program, see
// ShellStandIn.h) started with its mode and ended with its window.
class StandInProcess {
public:
    // The stand-in of this program's own bitness.
    explicit StandInProcess(const char* mode);
    StandInProcess(const std::string& program, const char* mode);
    ~StandInProcess();
    StandInProcess(const StandInProcess&) = delete;
    StandInProcess& operator=(const StandInProcess&) = delete;

    // Its window, once it exists; null when it never appeared.
    HWND Control() const { return control_; }
    LRESULT Ask(UINT message) const { return SendMessageA(control_, message, 0, 0); }

private:
    UniqueKernelHandle process_;
    HWND control_ = nullptr;
};
