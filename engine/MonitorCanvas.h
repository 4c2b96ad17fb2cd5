#pragma once
// One canvas over every monitor: its composition, and the desktop values that show it.
#include "engine/Monitors.h"
#include "imaging/PictureFit.h"

#include <string>
#include <vector>

class CImageLoader;

// Writes outPath: paths[i] on layout.monitors[i] by fit, the rest the desktop's background
// colour. Throws CWallpaperMaker::CWallpaperException as the loader does; the old file stays.
void MakeMonitorCanvas(CImageLoader& loader, const std::vector<std::string>& paths,
                       const MonitorLayout& layout, PictureFit fit, const std::string& outPath);

// The desktop values under which the system shows such a canvas over the virtual screen.
void WriteCanvasLayout();
