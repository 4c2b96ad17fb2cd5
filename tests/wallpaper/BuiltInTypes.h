#pragma once
#include "imaging/FileExtension.h"
#include "wallpaper/PictureFilter.h"

// The picture filter of a program without plug-ins: jpg, jpeg, bmp and gif.
inline const PictureFilter kBuiltInTypes = [](const std::string& path, const DirectoryEntry*) {
    return IsBuiltInImage(path);
};
