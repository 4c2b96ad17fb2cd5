#pragma once
// CWallpaperFile: one image of a folder. CWallpaperFolder: a wallpaper folder and its images.
#include "wallpaper/PictureFilter.h"

#include <string>
#include <vector>

class CWallpaperFolder;

class CWallpaperFile {
public:
    CWallpaperFile(const CWallpaperFolder* folder, std::string name);

    const std::string& GetName() const noexcept { return name_; }
    operator const std::string&() const noexcept { return name_; }
    // Folder path, one backslash, name.
    std::string GetFullPath() const;

private:
    friend class CWallpaperFolder;
    std::string name_;
    const CWallpaperFolder* folder_;  // the folder whose files hold this entry
};

bool operator<(const CWallpaperFile& a, const CWallpaperFile& b) noexcept;

class CWallpaperFolder {
public:
    // Keeps the path exactly as given and scans it, listing the files isPicture accepts.
    CWallpaperFolder(std::string path, PictureFilter isPicture);
    // Copies the file names without touching the disk; the copies point at the new folder.
    CWallpaperFolder(const CWallpaperFolder& other);
    CWallpaperFolder& operator=(const CWallpaperFolder&) = delete;

    // Lists the folder again, keeping the accepted images in name order.
    void Scan();

    const std::string& GetPath() const noexcept { return path_; }
    void GetFiles(std::vector<CWallpaperFile>& files) const;
    void AppendFiles(std::vector<const CWallpaperFile*>& files) const;

private:
    std::string path_;
    PictureFilter isPicture_;
    std::vector<CWallpaperFile> files_;
};
