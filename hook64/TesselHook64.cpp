// TesselHook64.exe: keeps the caption hook of tesselsub64.dll installed for a 64-bit shell
// while the 32-bit program that started it runs (hook/Hook64Protocol.h). It has no window,
// no tray icon and no message box: whatever fails, it exits quietly.
#include "hook/DesktopListView.h"
#include "hook/Hook64Protocol.h"
#include "hook/tesselsub.h"
#include "win32/UniqueHandle.h"
#include "win32/Wow64.h"

#include <charconv>
#include <cstring>

namespace {

// Both numbers whole and decimal, one space between; anything else is refused.
bool ParseArguments(const char* line, DWORD& programId, COLORREF& color)
{
    const char* end = line + std::strlen(line);
    const auto id = std::from_chars(line, end, programId);
    if (id.ec != std::errc() || id.ptr == end || *id.ptr != ' ' || programId == 0)
        return false;
    const auto colour = std::from_chars(id.ptr + 1, end, color);
    return colour.ec == std::errc() && colour.ptr == end;
}

// The hook is held only while the desktop is a 64-bit process's: a 32-bit shell is served
// by the program's own library, whose hook a 64-bit one on the same thread would only
// duplicate.
class CHookHold {
public:
    CHookHold(const CHookHold&) = delete;
    CHookHold& operator=(const CHookHold&) = delete;
    CHookHold() { Follow(); }
    ~CHookHold()
    {
        if (registered_)
            unregister_hook();
    }

    // Registers or unregisters as the desktop now asks; the shell may have restarted.
    void Follow()
    {
        const bool wanted = Is64BitProcess(DesktopProcessId());
        if (wanted && !registered_)
            registered_ = register_hook() != 0;
        else if (!wanted && registered_)
            registered_ = unregister_hook() == 0;  // a failed removal still holds it
    }

private:
    bool registered_ = false;
};

// Carries out the program's messages until it posts WM_QUIT or its process ends.
void ServeUntilTheProgramEnds(HANDLE program, CHookHold& hold)
{
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return;
            if (message.message == Hook64::kSetTextColor) {
                set_text_color(static_cast<COLORREF>(message.wParam));
            } else if (message.message == Hook64::kComplusion) {
                hold.Follow();
                complusion();
            }
        }
        if (MsgWaitForMultipleObjects(1, &program, FALSE, INFINITE, QS_ALLINPUT)
            != WAIT_OBJECT_0 + 1)
            return;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR line, int)
{
    DWORD programId = 0;
    COLORREF color = 0;
    if (!ParseArguments(line, programId, color))
        return 1;
    const UniqueKernelHandle program(OpenProcess(SYNCHRONIZE, FALSE, programId));
    if (!program)
        return 1;
    set_text_color(color);
    CHookHold hold;
    // The first look at the queue tells the program (WaitForInputIdle) that it may post.
    ServeUntilTheProgramEnds(program.get(), hold);
    return 0;
}
