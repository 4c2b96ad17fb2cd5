#include "tests/support/TempDir.h"

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
    const std::string path = *this / name;
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw std::runtime_error("cannot create " + path);
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
    WIN32_FIND_DATAA entry;
    {
        UniqueFind search(FindFirstFileA((path + "\\*").c_str(), &entry));
        if (search) {
            do {
                const std::string name = entry.cFileName;
                if (name == "." || name == "..")
                    continue;
                const std::string child = path + "\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(child.c_str());
                }
            } while (FindNextFileA(search.get(), &entry));
        }
    }
    RemoveDirectoryA(path.c_str());
}
