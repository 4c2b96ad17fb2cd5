#include "wallpaper/WallpaperList.h"

#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"
#include "wallpaper/NameOrder.h"
#include "wallpaper/Position.h"
#include "wallpaper/Shuffle.h"
#include "wallpaper/ShuffleRound.h"
#include "win32/AnsiPath.h"
#include "win32/Directory.h"

#include <shlwapi.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace RN = RegistryNames;

namespace {

bool FileNameLess(const CWallpaperFile* a, const CWallpaperFile* b) noexcept
{
    return NameLess(a->GetName(), b->GetName());
}

// A seed for a new round from the runtime's generator, which the engine seeds.
std::uint32_t NewSeed()
{
    return static_cast<std::uint32_t>(DrawIndex(0xFFFFFFFFu, std::rand, RAND_MAX));
}

// Tries for a new round whose first file is not the one just shown (of n: 1 in n fails).
constexpr int kNewRoundTries = 16;

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
    const std::size_t excluded = excluded_.size();
    for (auto it = excluded_.begin(); it != excluded_.end();)
        it = GetFileAttributesA(it->c_str()) == INVALID_FILE_ATTRIBUTES ? excluded_.erase(it)
                                                                        : std::next(it);
    if (excluded_.size() != excluded)
        SaveExcluded();
    Rebuild();
}

void CWallpaperList::RefreshWithout(const std::string& removed, bool forward)
{
    const auto listed = std::find_if(sortedFiles_.begin(), sortedFiles_.end(),
                                     [&removed](const CWallpaperFile* file) {
                                         return file->GetFullPath() == removed;
                                     });
    const bool found = listed != sortedFiles_.end();
    const auto place = static_cast<std::int32_t>(listed - sortedFiles_.begin());
    Refresh();
    if (found)
        currentFile_ = forward ? place - 1 : place;
}

void CWallpaperList::Rebuild()
{
    sortedFiles_.clear();
    for (const CWallpaperFolder& folder : folders_)
        folder.AppendFiles(sortedFiles_);
    std::sort(sortedFiles_.begin(), sortedFiles_.end(), FileNameLess);
    pickPending_ = false;
    MarkExcluded();
    std::vector<std::string> paths;
    paths.reserve(sortedFiles_.size());
    for (const CWallpaperFile* file : sortedFiles_)
        paths.push_back(file->GetFullPath());
    const std::uint64_t signature = ListSignature(paths);
    // The same list goes on with its round; a changed one starts a new round that sets back
    // what this one showed.
    if (signature == round_.signature) {
        OrderRound(false);
    } else if (round_.started) {
        round_ = RoundAfterChange(round_, NewSeed(), signature);
        OrderRound(true);
    } else {
        round_ = ShuffleRound();
        round_.seed = NewSeed();
        round_.signature = signature;
        OrderRound(true);
    }
}

void CWallpaperList::OrderRound(bool trace)
{
    std::vector<std::pair<RoundKey, const CWallpaperFile*>> keyed;
    keyed.reserve(sortedFiles_.size());
    for (const CWallpaperFile* file : sortedFiles_)
        keyed.emplace_back(KeyIn(round_, file->GetFullPath()), file);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    shuffledFiles_.clear();
    randomPos_ = -1;
    for (const auto& [key, file] : keyed) {
        shuffledFiles_.push_back(file);
        if (round_.started && !(round_.last < key))
            randomPos_ = static_cast<std::int32_t>(shuffledFiles_.size()) - 1;
    }
    if (!trace)
        return;
    std::string line;
    for (const CWallpaperFile* file : shuffledFiles_) {
        line.assign(file->GetName()).push_back('\n');
        OutputDebugStringA(line.c_str());
    }
}

void CWallpaperList::TakeRandomPick()
{
    if (pickPending_ && randomPos_ >= 0)
        currentFile_ = FindFile(shuffledFiles_[randomPos_]->GetName());
    pickPending_ = false;
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
    return Walk(count, true);
}

std::vector<std::string> CWallpaperList::Previous(std::int32_t count)
{
    return Walk(count, false);
}

std::vector<std::string> CWallpaperList::Walk(std::int32_t count, bool forward)
{
    if (sortedFiles_.empty())
        return {};
    if (pickPending_) {
        TakeRandomPick();
        Reshuffle();
    }
    // Excluded files keep their places and are stepped over: the walk runs over the others,
    // from where the current position stands among them.
    std::vector<std::int32_t> walkable;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(sortedFiles_.size()); ++i) {
        if (!IsExcludedAt(i))
            walkable.push_back(i);
    }
    if (walkable.empty())
        return {};
    const auto size = static_cast<std::int32_t>(walkable.size());
    const auto before = static_cast<std::int32_t>(
        std::lower_bound(walkable.begin(), walkable.end(), currentFile_) - walkable.begin());
    const bool onOne = before < size && walkable[before] == currentFile_;
    std::vector<std::int32_t> shown;
    if (forward) {
        shown = NextPositions(currentFile_ < 0 ? -1 : before + (onOne ? 0 : -1), size, count);
    } else {
        const std::int32_t from = currentFile_ < 0 || currentFile_ >= static_cast<std::int32_t>(
                                                          sortedFiles_.size())
                                      ? currentFile_
                                      : before;
        shown = PreviousPositions(from, size, count);
    }
    for (std::int32_t& position : shown)
        position = walkable[position];
    currentFile_ = shown.back();
    return SortedPaths(shown);
}

std::vector<std::string> CWallpaperList::Random(std::int32_t count)
{
    std::int32_t walkable = 0;
    for (const CWallpaperFile* file : shuffledFiles_)
        walkable += excludedFiles_.count(file) == 0;
    if (walkable == 0)
        return {};
    // A list shorter than count is drawn whole and then repeated.
    const std::int32_t drawn = std::min(count, walkable);
    std::vector<std::int32_t> picks = PicksFrom(randomPos_ + 1, drawn);
    if (static_cast<std::int32_t>(picks.size()) < drawn) {
        // The round is used up: a new one, which does not begin with the file just shown.
        const CWallpaperFile* last = randomPos_ >= 0 ? shuffledFiles_[randomPos_] : nullptr;
        for (int tries = 0; tries < kNewRoundTries; ++tries) {
            Reshuffle();
            picks = PicksFrom(0, drawn);
            if (walkable < 2 || shuffledFiles_[picks.front()] != last)
                break;
        }
    }
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        paths.push_back(shuffledFiles_[picks[i % drawn]]->GetFullPath());
    randomPos_ = picks.back();
    round_.started = true;
    round_.last = KeyIn(round_, shuffledFiles_[randomPos_]->GetFullPath());
    pickPending_ = true;
    return paths;
}

std::vector<std::int32_t> CWallpaperList::PicksFrom(std::int32_t first, std::int32_t count) const
{
    std::vector<std::int32_t> picks;
    for (auto i = static_cast<std::size_t>(first);
         i < shuffledFiles_.size() && static_cast<std::int32_t>(picks.size()) < count; ++i) {
        if (excludedFiles_.count(shuffledFiles_[i]) == 0)
            picks.push_back(static_cast<std::int32_t>(i));
    }
    return picks;
}

std::vector<std::string> CWallpaperList::FilesAfter(const std::string& path,
                                                    std::int32_t count) const
{
    const auto size = static_cast<std::int32_t>(sortedFiles_.size());
    const auto listed = std::find_if(sortedFiles_.begin(), sortedFiles_.end(),
                                     [&path](const CWallpaperFile* file) {
                                         return file->GetFullPath() == path;
                                     });
    std::int32_t position = listed != sortedFiles_.end()
                                ? static_cast<std::int32_t>(listed - sortedFiles_.begin())
                                : currentFile_;
    std::vector<std::int32_t> after;
    for (std::int32_t step = 0; step < size && static_cast<std::int32_t>(after.size()) < count;
         ++step) {
        position = NextPosition(position, size);
        if (!IsExcludedAt(position))
            after.push_back(position);
    }
    // A list shorter than count repeats from its first file.
    for (std::size_t i = 0; !after.empty() && after.size() < static_cast<std::size_t>(count); ++i)
        after.push_back(after[i]);
    return SortedPaths(after);
}

bool CWallpaperList::IsExcludedAt(std::int32_t position) const
{
    return excludedFiles_.count(sortedFiles_[position]) != 0;
}

void CWallpaperList::MarkExcluded()
{
    excludedFiles_.clear();
    if (excluded_.empty())
        return;
    for (const CWallpaperFile* file : sortedFiles_) {
        if (excluded_.count(file->GetFullPath()) != 0)
            excludedFiles_.insert(file);
    }
}

void CWallpaperList::Exclude(const std::string& path)
{
    if (excluded_.insert(path).second) {
        MarkExcluded();
        SaveExcluded();
    }
}

void CWallpaperList::Include(const std::string& path)
{
    if (excluded_.erase(path) != 0) {
        MarkExcluded();
        SaveExcluded();
    }
}

bool CWallpaperList::IsExcluded(const std::string& path) const
{
    return excluded_.count(path) != 0;
}

bool CWallpaperList::IsListed(const std::string& path) const
{
    return std::any_of(sortedFiles_.begin(), sortedFiles_.end(),
                       [&path](const CWallpaperFile* file) { return file->GetFullPath() == path; });
}

void CWallpaperList::SaveExcluded() const
{
    if (rootPath_.empty())  // a list never loaded from the settings keeps them to itself
        return;
    CRegistryKey::CreateOrOpen(rootPath_ + RN::kExcludeKey)
        .WriteList(std::vector<std::string>(excluded_.begin(), excluded_.end()));
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
    const std::uint64_t signature = round_.signature;
    round_ = ShuffleRound();
    round_.seed = NewSeed();
    round_.signature = signature;
    pickPending_ = false;
    OrderRound(true);
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
    rootPath_ = rootPath;
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
            // The round of the random order the last run left, if it can be trusted.
            std::string round;
            if (key.ReadBytes(RN::kRound, round))
                round_ = ParseRound(round).value_or(ShuffleRound());
        }
    }
    const std::vector<std::string> excluded =
        CRegistryKey::OpenExisting(rootPath + RN::kExcludeKey).ReadListUntilGap();
    excluded_.insert(excluded.begin(), excluded.end());
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
        key.WriteBytes(RN::kRound, RoundBytes(round_));
    }
    std::vector<std::string> paths;
    GetFolders(paths);
    CRegistryKey::CreateOrOpen(folderKeyPath + RN::kFolderListKey).WriteList(paths);
}
