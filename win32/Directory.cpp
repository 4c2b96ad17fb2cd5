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
    std::string typeName;
    do {
        if (entry.cFileName[0] == L'.')
            continue;
        // Without an ANSI name the file cannot be opened by an ANSI path at all; with a
        // longer path, neither stored nor read back whole.
        if (!AnsiNameOf(entry, name, typeName) || folder.size() + 1 + name.size() > kMaxAnsiPath)
            continue;
        const FileStamp stamp{Join(entry.nFileSizeHigh, entry.nFileSizeLow),
                              Join(entry.ftLastWriteTime.dwHighDateTime,
                                   entry.ftLastWriteTime.dwLowDateTime)};
        entries.push_back({name, typeName, stamp});
    } while (FindNextFileW(search.get(), &entry));
}

std::wstring ModuleFileName(HMODULE module)
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(name.size());
        const DWORD length = GetModuleFileNameW(module, name.data(), size);
        if (length == 0)
            return {};
        // A name that fills the buffer may have been cut.
        if (length < size) {
            name.resize(length);
            return name;
        }
        if (size >= 0x8000)
            return {};
        name.resize(name.size() * 2);
    }
}

std::wstring GetModuleDirectoryW()
{
    std::wstring path = ModuleFileName(nullptr);
    const std::wstring::size_type slash = path.rfind(L'\\');
    path.erase(slash == std::wstring::npos ? 0 : slash);
    return path;
}

std::string GetModuleDirectory()
{
    // Only the folder: the program's own name need not be spelled.
    const std::wstring folder = GetModuleDirectoryW();
    return folder.empty() ? std::string() : AnsiPathOf(folder);
}

bool EndsWithBackslash(const std::string& path)
{
    if (path.empty())
        return false;
    const char* begin = path.c_str();
    const char* last = CharPrevA(begin, begin + path.size());
    return last == begin + path.size() - 1 && *last == '\\';
}
