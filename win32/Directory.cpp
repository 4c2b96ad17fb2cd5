#include "win32/Directory.h"

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
    const std::string pattern = folder + "\\*.*";
    WIN32_FIND_DATAA entry;
    UniqueFind search(FindFirstFileA(pattern.c_str(), &entry));
    if (!search)
        return;
    do {
        if (entry.cFileName[0] != '.') {
            const FileStamp stamp{Join(entry.nFileSizeHigh, entry.nFileSizeLow),
                                  Join(entry.ftLastWriteTime.dwHighDateTime,
                                       entry.ftLastWriteTime.dwLowDateTime)};
            entries.push_back({entry.cFileName, stamp});
        }
    } while (FindNextFileA(search.get(), &entry));
}

std::string GetModuleDirectory()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string directory(path, length < sizeof path ? length : sizeof path - 1);
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
