#pragma once
#include "win32/UniqueHandle.h"

#include <string>

// Runs the real Tessel.exe (beside this test program) with a command line and waits for it.
class TesselRun {
public:
    // program: another program to run, or "" for that Tessel.exe.
    explicit TesselRun(const std::string& arguments, const std::string& program = "");
    explicit TesselRun(const std::wstring& arguments, const std::string& program = "");
    ~TesselRun();
    TesselRun(const TesselRun&) = delete;
    TesselRun& operator=(const TesselRun&) = delete;

    unsigned long ProcessId() const noexcept { return processId_; }
    // Exit code, or -1 when the program did not end within the time.
    long Wait(unsigned long milliseconds = 20000);
    // The hidden main window of a resident run, waited for; null if it never appeared.
    HWND MainWindow(unsigned long milliseconds = 20000) const;
    // True once the program holds this hotkey (so its settings have loaded).
    bool WaitForHotkey(UINT modifiers, UINT virtualKey, unsigned long milliseconds = 20000) const;
    // Sends a message to the main window and waits until it was handled, or the time is up.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                 unsigned long milliseconds = 20000) const;

private:
    UniqueKernelHandle process_;
    unsigned long processId_ = 0;
};

// The program's real registry root, removed before and after each test.
class ProgramRegistry {
public:
    ProgramRegistry();
    ~ProgramRegistry();
    ProgramRegistry(const ProgramRegistry&) = delete;
    ProgramRegistry& operator=(const ProgramRegistry&) = delete;
};

// A text value of HKEY_CURRENT_USER\Control Panel\Desktop; "" when missing.
std::string DesktopValue(const char* name);
// Its "Wallpaper", as the system recorded it.
std::string CurrentWallpaper();
