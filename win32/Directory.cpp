#include "win32/Directory.h"

#include "win32/UniqueHandle.h"

void ListDirectory(std::vector<std::string>& names, const std::string& folder)
{
    names.clear();
    const std::string pattern = folder + "\\*.*";
    WIN32_FIND_DATAA entry;
    UniqueFind search(FindFirstFileA(pattern.c_str(), &entry));
    if (!search)
        return;
    do {
        if (entry.cFileName[0] != '.')
            names.emplace_back(entry.cFileName);
    } while (FindNextFileA(search.get(), &entry));
}

std::string GetModuleDirectory()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string directory(path, length < sizeof path ? length : sizeof path - 1);
    const std::size_t slash = directory.rfind('\\');
    if (slash != std::string::npos)
        directory.erase(slash);
    return directory;
}
