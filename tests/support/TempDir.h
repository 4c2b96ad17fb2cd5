#pragma once
#include <string>

// A fresh folder under the system's temporary folder, removed with all it holds.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const noexcept { return path_; }
    // Full path of a name inside the folder.
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    // Creates a file (with this content) or a folder below it; returns its full path.
    std::string File(const std::string& name, const std::string& content = "x") const;
    std::string Folder(const std::string& name) const;
    // A file under a Unicode name, which the code page may not spell; its full path.
    std::wstring WideFile(const std::wstring& name, const std::string& content) const;

private:
    std::string path_;
};

void RemoveTree(const std::string& path);
void RemoveTree(const std::wstring& path);
