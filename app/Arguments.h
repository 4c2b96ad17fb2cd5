#pragma once
#include <string>

// The command line after the program name, as WinMain receives it in ANSI; but when that text
// lost characters the code page cannot spell, the quotes-stripped path in its short form, or
// (where it has none) text that opens no file.
std::string ProgramArguments(const char* ansiArguments);
