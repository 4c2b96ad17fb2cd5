#include "wallpaper/WallpaperList.h"

#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"
#include "wallpaper/NameOrder.h"
#include "wallpaper/Position.h"
#include "wallpaper/Shuffle.h"
#include "win32/AnsiPath.h"
#include "win32/Directory.h"

#include <shlwapi.h>
#include <windows.h>

#include <algorithm>
#include <utility>

namespace RN = RegistryNames;

namespace {

bool FileNameLess(const CWallpaperFile* a, const CWallpaperFile* b) noexcept
{
    return NameLess(a->GetName(), b->GetName());
}

// The program's folder; where that has no ANSI path, the user's temporary folder.
std::string DefaultTmpPath()
{
    std::string path = GetModuleDirectory();
    if (path.empty()) {
        wchar_t temp[MAX_PATH + 1] = {};
        const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        if (length > 0 && length <= MAX_PATH)
            path = AnsiPathOf(std::wstring(temp, length));
        if (EndsWithBackslash(path))
            path.pop_back();
    }
    return path;
}

}  // namespace

CWallpaperList::CWallpaperList(PictureFilter isPicture) : isPicture_(std::move(isPicture))
{
    sortedFiles_.reserve(1024);
    shuffledFiles_.reserve(1024);
}

bool CWallpaperList::AddFolder(const std::string& path, bool rebuild)
{
    for (const CWallpaperFolder& folder : folders_) {
        if (folder.GetPath() == path)
            return false;
    }
    folders_.emplace_back(path, isPicture_);
    if (rebuild)
        Rebuild();
    return true;
}

void CWallpaperList::RemoveFolder(const std::string& path)
{
    const auto found = std::find_if(folders_.begin(), folders_.end(),
                                    [&](const CWallpaperFolder& f) { return f.GetPath() == path; });
    if (found != folders_.end()) {
        // The lists point into this folder: empty them before it goes.
        sortedFiles_.clear();
        shuffledFiles_.clear();
        folders_.erase(found);
        currentFile_ = -1;
    }
    Rebuild();
}

void CWallpaperList::Refresh()
{
    currentFile_ = -1;
    sortedFiles_.clear();
    shuffledFiles_.clear();
    for (CWallpaperFolder& folder : folders_)
        folder.Scan();
    Rebuild();
}

void CWallpaperList::Rebuild()
{
    sortedFiles_.clear();
    for (const CWallpaperFolder& folder : folders_)
        folder.AppendFiles(sortedFiles_);
    std::sort(sortedFiles_.begin(), sortedFiles_.end(), FileNameLess);
    shuffledFiles_ = sortedFiles_;
    Reshuffle();
}

void CWallpaperList::TakeRandomPick()
{
    if (randomPos_ >= 0)
        currentFile_ = FindFile(shuffledFiles_[randomPos_]->GetName());
}

std::string CWallpaperList::Next()
{
    const std::vector<std::string> paths = Next(1);
    return paths.empty() ? std::string() : paths.front();
}

std::string CWallpaperList::Previous()
{
    const std::vector<std::string> paths = Previous(1);
    return paths.empty() ? std::string() : paths.front();
}

std::string CWallpaperList::Random()
{
    const std::vector<std::string> paths = Random(1);
    return paths.empty() ? std::string() : paths.front();
}

std::vector<std::string> CWallpaperList::Next(std::int32_t count)
{
    if (sortedFiles_.empty())
        return {};
    if (randomPos_ >= 0) {
        TakeRandomPick();
        Reshuffle();
    }
    const std::vector<std::int32_t> shown =
        NextPositions(currentFile_, static_cast<std::int32_t>(sortedFiles_.size()), count);
    currentFile_ = shown.back();
    return SortedPaths(shown);
}

std::vector<std::string> CWallpaperList::Previous(std::int32_t count)
{
    if (sortedFiles_.empty())
        return {};
    if (randomPos_ >= 0) {
        TakeRandomPick();
        Reshuffle();
    }
    const std::vector<std::int32_t> shown =
        PreviousPositions(currentFile_, static_cast<std::int32_t>(sortedFiles_.size()), count);
    currentFile_ = shown.back();
    return SortedPaths(shown);
}

std::vector<std::string> CWallpaperList::Random(std::int32_t count)
{
    if (shuffledFiles_.empty())
        return {};
    const auto size = static_cast<std::int64_t>(shuffledFiles_.size());
    if (std::int64_t{randomPos_} + 1 + count > size)
        Reshuffle();
    // A list shorter than count is drawn whole and then repeated.
    const std::int32_t first = randomPos_ + 1;
    const auto drawn = static_cast<std::int32_t>(std::min<std::int64_t>(count, size));
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        paths.push_back(shuffledFiles_[first + i % drawn]->GetFullPath());
    randomPos_ = first + drawn - 1;
    return paths;
}

std::vector<std::string> CWallpaperList::FilesAfter(const std::string& path,
                                                    std::int32_t count) const
{
    if (sortedFiles_.empty())
        return {};
    const auto listed = std::find_if(sortedFiles_.begin(), sortedFiles_.end(),
                                     [&path](const CWallpaperFile* file) {
                                         return file->GetFullPath() == path;
                                     });
    const std::int32_t from = listed != sortedFiles_.end()
                                  ? static_cast<std::int32_t>(listed - sortedFiles_.begin())
                                  : currentFile_;
    return SortedPaths(NextPositions(from, static_cast<std::int32_t>(sortedFiles_.size()), count));
}

std::vector<std::string> CWallpaperList::SortedPaths(
    const std::vector<std::int32_t>& positions) const
{
    std::vector<std::string> paths;
    paths.reserve(positions.size());
    for (const std::int32_t position : positions)
        paths.push_back(sortedFiles_[position]->GetFullPath());
    return paths;
}

void CWallpaperList::Reshuffle()
{
    randomPos_ = -1;
    ShuffleInPlace(shuffledFiles_);
    std::string line;
    for (const CWallpaperFile* file : shuffledFiles_) {
        line.assign(file->GetName()).push_back('\n');
        OutputDebugStringA(line.c_str());
    }
}

std::int32_t CWallpaperList::FindFile(const std::string& name) const
{
    for (std::size_t i = 0; i < sortedFiles_.size(); ++i) {
        if (sortedFiles_[i]->GetName() == name)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

void CWallpaperList::GetFolders(std::vector<std::string>& paths) const
{
    paths.clear();
    for (const CWallpaperFolder& folder : folders_)
        paths.push_back(folder.GetPath());
}

void CWallpaperList::SetTmpPath(const std::string& path)
{
    tmpPath_ = !path.empty() && PathIsDirectoryA(path.c_str()) ? path : DefaultTmpPath();
    if (EndsWithBackslash(tmpPath_))
        tmpPath_.pop_back();
}

void CWallpaperList::SetEscPath(const std::string& path)
{
    const bool usable = !path.empty() && PathFileExistsA(path.c_str()) && isPicture_(path, nullptr);
    escPath_ = usable ? path : std::string();
}

void CWallpaperList::LoadFolders(const std::string& rootPath)
{
    const std::string folderKeyPath = rootPath + RN::kFolderKey;
    {
        const CRegistryKey key = CRegistryKey::CreateOrOpen(folderKeyPath);
        // A value that is missing or malformed reads as the default of a new key.
        tmpPath_ = DefaultTmpPath();
        escPath_.clear();
        numFolder_ = 0;
        currentFile_ = -1;
        if (key.IsNew()) {
            key.WriteString(RN::kTmpPath, tmpPath_);
            key.WriteString(RN::kEscPath, escPath_);
            key.WriteInt32(RN::kNumFolder, numFolder_);
            key.WriteInt32(RN::kCurrentFile, currentFile_);
        } else {
            key.ReadString(RN::kTmpPath, tmpPath_);
            key.ReadString(RN::kEscPath, escPath_);
            key.ReadInt32(RN::kNumFolder, numFolder_);
            key.ReadInt32(RN::kCurrentFile, currentFile_);
        }
    }
    const CRegistryKey listKey = CRegistryKey::CreateOrOpen(folderKeyPath + RN::kFolderListKey);
    if (listKey.IsOpen() && !listKey.IsNew()) {
        for (const std::string& path : listKey.ReadIndexedValues(numFolder_))
            AddFolder(path, false);
    }
    Rebuild();
}

void CWallpaperList::SaveFolders(const std::string& rootPath)
{
    const std::string folderKeyPath = rootPath + RN::kFolderKey;
    {
        const CRegistryKey key = CRegistryKey::CreateOrOpen(folderKeyPath);
        numFolder_ = static_cast<std::int32_t>(folders_.size());
        key.WriteString(RN::kTmpPath, tmpPath_);
        key.WriteString(RN::kEscPath, escPath_);
        key.WriteInt32(RN::kNumFolder, numFolder_);
        TakeRandomPick();
        key.WriteInt32(RN::kCurrentFile, currentFile_);
    }
    std::vector<std::string> paths;
    GetFolders(paths);
    CRegistryKey::CreateOrOpen(folderKeyPath + RN::kFolderListKey).WriteList(paths);
}
