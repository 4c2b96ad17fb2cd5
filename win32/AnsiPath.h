#pragma once
// The system hands out names in Unicode; the program keeps ANSI text (code page 932),
// as its stored settings do. A name the code page cannot spell is reached by its short name.
#include <windows.h>

#include <string>

// The ANSI spelling of text, only when every character converts exactly: no default
// character and no best-fit look-alike (a look-alike names another file, or none).
bool ToExactAnsi(const std::wstring& text, std::string& ansi);

// The ANSI name of a listed file or folder: its name when exact, else its short name; false
// when it has neither, and so no ANSI path opens it.
bool AnsiNameOf(const WIN32_FIND_DATAW& entry, std::string& name);

// A path in ANSI: each component exactly when it converts, else the short (8.3) name of the
// existing file or folder, which the code page can always spell. Empty when such a component
// does not exist or has no short name (short names are switched off on its volume).
std::string AnsiPathOf(const std::wstring& path);

// ANSI text for the Unicode calls.
std::wstring WideOf(const std::string& ansi);
