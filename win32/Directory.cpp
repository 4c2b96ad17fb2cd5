#include "win32/Directory.h"

#include "win32/AnsiPath.h"
#include "win32/UniqueHandle.h"

namespace {

std::uint64_t Join(DWORD high, DWORD low)
{
    return (std::uint64_t{high} << 32) | low;
}

}  // namespace

void ListDirectory(std::vector<DirectoryEntry>& entries, const std::string& folder)
{
    entries.clear();
    const std::wstring pattern = WideOf(folder + "\\*.*");
    WIN32_FIND_DATAW entry;
    UniqueFind search(FindFirstFileW(pattern.c_str(), &entry));
    if (!search)
        return;
    std::string name;
    do {
        if (entry.cFileName[0] == L'.')
            continue;
        // Without an ANSI name the file cannot be opened by an ANSI path at all.
        if (!AnsiNameOf(entry, name))
            continue;
        const FileStamp stamp{Join(entry.nFileSizeHigh, entry.nFileSizeLow),
                              Join(entry.ftLastWriteTime.dwHighDateTime,
                                   entry.ftLastWriteTime.dwLowDateTime)};
        entries.push_back({name, stamp});
    } while (FindNextFileW(search.get(), &entry));
}

std::string GetModuleDirectory()
{
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    std::string directory = AnsiPathOf(std::wstring(path, length <= MAX_PATH ? length : MAX_PATH));
    const std::size_t slash = FindLastBackslash(directory);
    if (slash != std::string::npos)
        directory.erase(slash);
    return directory;
}

std::string::size_type FindLastBackslash(const std::string& path)
{
    std::string::size_type found = std::string::npos;
    for (const char* at = path.c_str(); *at != '\0'; at = CharNextA(at)) {
        if (*at == '\\')
            found = static_cast<std::string::size_type>(at - path.c_str());
    }
    return found;
}

bool EndsWithBackslash(const std::string& path)
{
    if (path.empty())
        return false;
    const char* begin = path.c_str();
    const char* last = CharPrevA(begin, begin + path.size());
    return last == begin + path.size() - 1 && *last == '\\';
}
