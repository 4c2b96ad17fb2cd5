#include "wallpaper/WallpaperFolder.h"

#include "wallpaper/NameOrder.h"
#include "win32/Directory.h"

#include <algorithm>
#include <utility>

CWallpaperFile::CWallpaperFile(const CWallpaperFolder* folder, std::string name)
    : name_(std::move(name)), folder_(folder)
{
}

std::string CWallpaperFile::GetFullPath() const
{
    return folder_->GetPath() + "\\" + name_;
}

bool operator<(const CWallpaperFile& a, const CWallpaperFile& b) noexcept
{
    return NameLess(a.GetName(), b.GetName());
}

CWallpaperFolder::CWallpaperFolder(std::string path, PictureFilter isPicture)
    : path_(std::move(path)), isPicture_(std::move(isPicture))
{
    files_.reserve(64);
    Scan();
}

CWallpaperFolder::CWallpaperFolder(const CWallpaperFolder& other)
    : path_(other.path_), isPicture_(other.isPicture_)
{
    files_.reserve(std::max<std::size_t>(64, other.files_.size()));
    for (const CWallpaperFile& file : other.files_)
        files_.emplace_back(this, file.name_);
}

void CWallpaperFolder::Scan()
{
    files_.clear();
    std::vector<DirectoryEntry> entries;
    entries.reserve(50);
    ListDirectory(entries, path_);
    const std::string prefix = path_ + "\\";
    std::string fullPath;
    for (DirectoryEntry& entry : entries) {
        fullPath.assign(prefix).append(entry.name);
        if (isPicture_(fullPath, &entry))
            files_.emplace_back(this, std::move(entry.name));
    }
    std::sort(files_.begin(), files_.end());
}

void CWallpaperFolder::GetFiles(std::vector<CWallpaperFile>& files) const
{
    files = files_;
}

void CWallpaperFolder::AppendFiles(std::vector<const CWallpaperFile*>& files) const
{
    for (const CWallpaperFile& file : files_)
        files.push_back(&file);
}
