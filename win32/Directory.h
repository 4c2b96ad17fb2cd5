#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A file's size and last-write time as a directory listing returns them: a file whose stamp
// is unchanged is taken to be unchanged.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t writeTime = 0;  // the FILETIME as one number

    bool operator==(const FileStamp& other) const noexcept
    {
        return size == other.size && writeTime == other.writeTime;
    }
};

struct DirectoryEntry {
    std::string name;      // ANSI text that opens it (AnsiNameOf)
    std::string typeName;  // whose extension tells its type (AnsiNameOf)
    FileStamp stamp;
};

// A folder's entries in the order the system returns them, skipping every name that begins
// with '.'; sub-folders are listed too. Empty when the folder is missing. An entry without an
// ANSI name that opens it, or whose full path would be longer than kMaxAnsiPath, is left out.
void ListDirectory(std::vector<DirectoryEntry>& entries, const std::string& folder);

// The full file name of a loaded module (null: the program), whole; "" on failure.
std::wstring ModuleFileName(HMODULE module);
// The running program's folder, without a trailing backslash.
std::wstring GetModuleDirectoryW();
// The same in ANSI (AnsiPathOf); "" when the folder has no ANSI path.
std::string GetModuleDirectory();

// Whether path text, walked by character in the ANSI code page, ends in a backslash: the
// second byte of a character may equal '\\' (as in "ソ" or "表").
bool EndsWithBackslash(const std::string& path);
