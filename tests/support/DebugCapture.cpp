#include "tests/support/DebugCapture.h"

#include "win32/UniqueHandle.h"

#include <algorithm>

int DebugRun::Count(const std::string& text) const
{
    return static_cast<int>(std::count(outputs.begin(), outputs.end(), text));
}

DebugRun RunProbeUnderDebugger(const char* probe)
{
    DebugRun run;
    char self[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine = std::string("\"") + self + "\" --probe " + probe;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                        DEBUG_ONLY_THIS_PROCESS, nullptr, nullptr, &startup, &info))
        return run;
    run.started = true;
    const UniqueKernelHandle process(info.hProcess);
    const UniqueKernelHandle thread(info.hThread);

    for (;;) {
        DEBUG_EVENT event = {};
        if (!WaitForDebugEvent(&event, 30000))
            break;
        DWORD status = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT:
            UniqueFile(event.u.CreateProcessInfo.hFile).reset();
            break;
        case LOAD_DLL_DEBUG_EVENT:
            UniqueFile(event.u.LoadDll.hFile).reset();
            break;
        case OUTPUT_DEBUG_STRING_EVENT: {
            const OUTPUT_DEBUG_STRING_INFO& out = event.u.DebugString;
            if (!out.fUnicode && out.nDebugStringLength > 0) {
                std::string text(out.nDebugStringLength, '\0');
                SIZE_T read = 0;
                ReadProcessMemory(process.get(), out.lpDebugStringData, text.data(), text.size(),
                                  &read);
                text.resize(read);
                if (!text.empty() && text.back() == '\0')
                    text.pop_back();
                run.outputs.push_back(text);
            }
            break;
        }
        case EXCEPTION_DEBUG_EVENT:
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                status = DBG_EXCEPTION_NOT_HANDLED;
            break;
        case EXIT_PROCESS_DEBUG_EVENT:
            run.exitCode = event.u.ExitProcess.dwExitCode;
            ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
            return run;
        default:
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
    }
    TerminateProcess(process.get(), 1);
    return run;
}
