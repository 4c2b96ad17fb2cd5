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
    // Never the system's text from here: its best-fit look-alikes name other files ("cafe"
    // for "café") and other folders ("¥" becomes '\\'). A path without an ANSI form names
    // no file, and opening it fails as for a missing file.
    const std::string path = AnsiPathOf(StripQuotes(arguments));
    return path.empty() ? ToUnopenableAnsi(arguments) : path;
}
