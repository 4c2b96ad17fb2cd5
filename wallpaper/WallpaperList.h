#pragma once
#include "wallpaper/ShuffleRound.h"
#include "wallpaper/WallpaperFolder.h"

#include <cstdint>
#include <list>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

// The wallpaper folders, every image of them in name order and in a shuffled order (a round
// kept across runs), the current positions, the files the walks pass over, the temporary
// folder and the escape wallpaper.
class CWallpaperList {
public:
    // isPicture decides which files of the folders are listed.
    explicit CWallpaperList(PictureFilter isPicture);
    CWallpaperList(const CWallpaperList&) = delete;
    CWallpaperList& operator=(const CWallpaperList&) = delete;

    // False, changing nothing, when a folder with a byte-equal path is listed.
    bool AddFolder(const std::string& path, bool rebuild);
    // Removes the first byte-equal folder; rebuilds even when none matched.
    void RemoveFolder(const std::string& path);
    void Refresh();
    // Refresh after a file left its folder: the next walk (forward, or backward) shows what
    // stood after (or before) it.
    void RefreshWithout(const std::string& removed, bool forward);
    void Rebuild();

    // Full paths, or "" for an empty list. Every walk passes over excluded files; with only
    // those, the list counts as empty.
    std::string Next();
    std::string Previous();
    std::string Random();
    // The same walks for count > 0 monitors, a path each, or none for an empty list. Next
    // and Previous keep the position of the last path; Random gives count different files
    // when the list has as many, and a shorter list repeats from its first pick. Random goes
    // on through its round, which no file repeats in; a used-up round gives way to a new one
    // that does not begin with the file just shown.
    std::vector<std::string> Next(std::int32_t count);
    std::vector<std::string> Previous(std::int32_t count);
    std::vector<std::string> Random(std::int32_t count);
    // The count files after path in name order (after the current position when path is
    // not listed), as a walk forward would give them; the position does not move. None for
    // an empty list.
    std::vector<std::string> FilesAfter(const std::string& path, std::int32_t count) const;
    // A new round of the random order, traced to the debugger one name a line.
    void Reshuffle();

    // Files the walks pass over, by full path; kept under the program's key as they change.
    // They keep their places in name order. Refresh forgets those that no longer exist.
    void Exclude(const std::string& path);
    void Include(const std::string& path);
    bool IsExcluded(const std::string& path) const;
    // Whether a file of the list has this full path.
    bool IsListed(const std::string& path) const;
    // Index in name order of the first file with this name, or -1.
    std::int32_t FindFile(const std::string& name) const;

    void GetFolders(std::vector<std::string>& paths) const;
    std::string GetTmpPath() const { return tmpPath_; }
    // A folder that exists, else the program's folder; one trailing backslash dropped.
    void SetTmpPath(const std::string& path);
    std::string GetEscPath() const { return escPath_; }
    // Kept only for an existing file the image test accepts; otherwise cleared.
    void SetEscPath(const std::string& path);

    void LoadFolders(const std::string& rootPath);
    void SaveFolders(const std::string& rootPath);

    std::int32_t GetCurrentFile() const noexcept { return currentFile_; }
    std::int32_t GetRandomPos() const noexcept { return randomPos_; }

private:
    // A pending random pick becomes the position in name order.
    void TakeRandomPick();
    std::vector<std::string> Walk(std::int32_t count, bool forward);
    // Up to count places of shuffledFiles_ from first on, passing over excluded files.
    std::vector<std::int32_t> PicksFrom(std::int32_t first, std::int32_t count) const;
    // shuffledFiles_ in the order of round_, and randomPos_ at its last file shown.
    void OrderRound(bool trace);
    std::vector<std::string> SortedPaths(const std::vector<std::int32_t>& positions) const;
    bool IsExcludedAt(std::int32_t position) const;
    void MarkExcluded();
    void SaveExcluded() const;

    PictureFilter isPicture_;
    std::string rootPath_;
    std::int32_t randomPos_ = -1;
    // The latest walk was Random: its pick becomes the position before the next step in
    // name order, or when saved.
    bool pickPending_ = false;
    ShuffleRound round_;
    std::set<std::string> excluded_;
    std::unordered_set<const CWallpaperFile*> excludedFiles_;
    std::int32_t numFolder_ = 0;
    std::int32_t currentFile_ = -1;
    std::string tmpPath_;
    std::string escPath_;
    std::list<CWallpaperFolder> folders_;
    std::vector<const CWallpaperFile*> sortedFiles_;
    std::vector<const CWallpaperFile*> shuffledFiles_;
};
