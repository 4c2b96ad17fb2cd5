#pragma once
#include "imaging/FileExtension.h"

#include <memory>
#include <string>

class CSpiManager;
struct DirectoryEntry;

// A built-in image type, or a file one of the plug-ins accepts (plugins null: none loaded), by
// the extension of its long name. listed: as CSpiManager::FindPlugin takes it.
bool IsSupportedImage(const std::string& path, CSpiManager* plugins,
                      const DirectoryEntry* listed = nullptr);

// Every plug-in of the directory. When none loads, CWallpaperMaker::CWallpaperException
// "plugin not found".
std::unique_ptr<CSpiManager> LoadSpiManager(const std::string& directory);
