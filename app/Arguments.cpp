#include "app/Arguments.h"

#include "app/CommandLine.h"
#include "win32/AnsiPath.h"

#include <windows.h>

namespace {

// Skips the program name as the C runtime does for WinMain's line: up to the first blank
// outside quotes, then the blanks after it.
const wchar_t* SkipProgramName(const wchar_t* line)
{
    bool quoted = false;
    while (*line > L' ' || (*line != L'\0' && quoted)) {
        if (*line == L'"')
            quoted = !quoted;
        ++line;
    }
    while (*line != L'\0' && *line <= L' ')
        ++line;
    return line;
}

}  // namespace

std::string ProgramArguments(const char* ansiArguments)
{
    const std::wstring arguments = SkipProgramName(GetCommandLineW());
    std::string exact;
    if (ToExactAnsi(arguments, exact))
        return ansiArguments;
    // A path that does not exist keeps the system's text: opening it reports the failure.
    const std::string path = AnsiPathOf(StripQuotes(arguments));
    return path.empty() ? ansiArguments : path;
}
