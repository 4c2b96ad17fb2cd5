#pragma once
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
    std::string name;
    FileStamp stamp;
};

// A folder's entries in the order the system returns them, skipping every name that begins
// with '.'; sub-folders are listed too. Empty when the folder is missing. Each name is ANSI
// text that opens the file (AnsiPathOf): a name without such a spelling is left out.
void ListDirectory(std::vector<DirectoryEntry>& entries, const std::string& folder);

// The running program's folder, without a trailing backslash.
std::string GetModuleDirectory();

// Path text walked by character in the ANSI code page, where the second byte of a character
// may equal '\\' (as in "ソ" or "表"): the position of the last backslash character, or npos;
// whether the last character is a backslash.
std::string::size_type FindLastBackslash(const std::string& path);
bool EndsWithBackslash(const std::string& path);
