#include "app/Arguments.h"
#include "app/CommandLine.h"
#include "win32/Exception.h"
#include "app/MainWindow.h"
#include "app/OneShot.h"
#include "app/Protocol.h"
#include "engine/WallpaperChanger.h"

#include <windows.h>

namespace {

int RunResident(HINSTANCE instance)
{
    // Never closed: the system releases it when the process ends.
    CreateMutexA(nullptr, TRUE, Protocol::kWindowClass);
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return 1;
    CWallpaperChanger engine;
    CMainWindow window(&engine);
    window.Create(instance, Protocol::kWindowClass, Protocol::kTitle);
    return window.RunMessageLoop();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    try {
        const std::string line = StripQuotes(ProgramArguments(commandLine));
        switch (ClassifyCommandLine(line)) {
        case RunKind::Resident:
            return RunResident(instance);
        case RunKind::OneShot:
            return RunOneShot(line[1]);
        case RunKind::Path: {
            CWallpaperChanger engine;
            engine.Load(nullptr);
            OpenPath(engine, line);
            return 0;
        }
        }
    } catch (const CException& failure) {
        failure.ShowMessage();
    }
    return 1;
}
