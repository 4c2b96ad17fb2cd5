#pragma once
#include "wallpaper/PictureFilter.h"

#include <cstdint>
#include <string>

// What happens to the wallpaper when the program starts and when it quits: the options are
// StartQuitAction values (0 nothing, 1 change the wallpaper, 2 set the named image file).
class RunQuitSettings {
public:
    // isPicture decides which files may be named.
    explicit RunQuitSettings(PictureFilter isPicture);

    // Reads the four values; a new key gets the defaults, written at once.
    void Load(const std::string& rootPath);
    void Save(const std::string& rootPath) const;

    // Store the path only when it names an existing, supported image; else "".
    void SetRunPath(const std::string& path);
    void SetQuitPath(const std::string& path);

    std::string runPath;
    std::string quitPath;
    std::int32_t runOption = 0;
    std::int32_t quitOption = 0;

private:
    PictureFilter isPicture_;
};
