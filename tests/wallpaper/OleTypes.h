#pragma once
#include "imaging/FileExtension.h"
#include "wallpaper/PictureFilter.h"

// The picture filter of a program without plug-ins: jpg, bmp and gif.
inline const PictureFilter kOleTypes = [](const std::string& path, const DirectoryEntry*) {
    return IsOleImage(path);
};
