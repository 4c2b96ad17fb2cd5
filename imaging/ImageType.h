#pragma once
#include "imaging/FileExtension.h"

#include <string>

class CSpiManager;

// The process-wide current plug-in manager; empty while plug-ins are off.
CSpiManager* GetSpiManager();

// An OLE image type, or a file the current plug-in manager accepts.
bool IsSupportedImage(const std::string& path);

// Replaces the current manager by a new one for the directory. When no plug-in loads, the
// slot stays empty and CWallpaperMaker::CWallpaperException "plugin not found" is thrown.
void ResetSpiManager(const std::string& directory);
// Destroys the current manager, unloading its plug-ins; afterwards there is none.
void ReleaseSpiManager() noexcept;
