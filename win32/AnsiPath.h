#pragma once
// The system hands out names in Unicode; the program keeps ANSI text (code page 932),
// as its stored settings do. A name the code page cannot spell is reached by its short name.
#include <windows.h>

#include <cstddef>
#include <string>

// The longest ANSI path, in bytes, that the settings store and read back whole (with its
// terminator, the 260-byte buffers of the registry and the controls).
constexpr std::size_t kMaxAnsiPath = MAX_PATH - 1;

// The ANSI spelling of text, only when every character converts exactly: no default
// character and no best-fit look-alike (a look-alike names another file, or none).
bool ToExactAnsi(const std::wstring& text, std::string& ansi);

// Text in ANSI where each character the code page cannot spell becomes '?', which no file
// name may hold: it names no file, least of all a look-alike.
std::string ToUnopenableAnsi(const std::wstring& text);

// The ANSI names of a listed file or folder. name opens it: its long name when exact, else
// its short name. typeName is the text whose extension tells its type: its long name when
// exact, else the long name's extension alone (".bmpx"), or "" when that cannot be spelled
// either; the short name's three letters are not the file's type. False when it has no name
// that opens it.
bool AnsiNameOf(const WIN32_FIND_DATAW& entry, std::string& name, std::string& typeName);

// typeName as above for the existing file at an ANSI path (which may end in a short name); a
// path that names no single existing file is its own type name.
std::string TypeNameOf(const std::string& path);

// A full path in ANSI: the text itself when it is exact; otherwise the full path
// (GetFullPathNameW; '/' separates as '\\' does) with each component exact when it converts,
// else the short (8.3) name of the existing file or folder. Empty when such a component does
// not exist or has no short name (short names are switched off on its volume), when the path
// holds a wildcard, and when the result is longer than kMaxAnsiPath.
std::string AnsiPathOf(const std::wstring& path);

// ANSI text for the Unicode calls.
std::wstring WideOf(const std::string& ansi);
