#pragma once
#include "imaging/FileExtension.h"

#include <string>

class CSpiManager;

// The process-wide current plug-in manager; empty while plug-ins are off.
CSpiManager* GetSpiManager();

// An OLE image type, or a file the current plug-in manager accepts.
bool IsSupportedImage(const std::string& path);
