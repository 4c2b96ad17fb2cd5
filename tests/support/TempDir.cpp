#include "tests/support/TempDir.h"

#include "win32/AnsiPath.h"
#include "win32/UniqueHandle.h"

#include <atomic>
#include <stdexcept>

namespace {

std::atomic<int> g_counter{0};

}  // namespace

TempDir::TempDir()
{
    char base[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, base);
    path_ = std::string(base) + "tessel-test-" + std::to_string(GetCurrentProcessId()) + "-"
            + std::to_string(g_counter++);
    RemoveTree(path_);
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        throw std::runtime_error("cannot create " + path_);
}

TempDir::~TempDir()
{
    RemoveTree(path_);
}

std::string TempDir::File(const std::string& name, const std::string& content) const
{
    WideFile(WideOf(name), content);
    return *this / name;
}

std::wstring TempDir::WideFile(const std::wstring& name, const std::string& content) const
{
    const std::wstring path = WideOf(path_) + L"\\" + name;
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw std::runtime_error("cannot create a file in " + path_);
    DWORD written = 0;
    WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    return path;
}

std::string TempDir::Folder(const std::string& name) const
{
    const std::string path = *this / name;
    if (!CreateDirectoryA(path.c_str(), nullptr))
        throw std::runtime_error("cannot create " + path);
    return path;
}

void RemoveTree(const std::string& path)
{
    RemoveTree(WideOf(path));
}

// Wide, so that names the code page cannot spell are removed too.
void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW entry;
    {
        UniqueFind search(FindFirstFileW((path + L"\\*").c_str(), &entry));
        if (search) {
            do {
                const std::wstring name = entry.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring child = path + L"\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(child.c_str());
                }
            } while (FindNextFileW(search.get(), &entry));
        }
    }
    RemoveDirectoryW(path.c_str());
}
