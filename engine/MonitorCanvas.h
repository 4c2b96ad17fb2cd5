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

// Remembered in the program's key, so that no later run writes the style's desktop values
// while a canvas is still the wallpaper: the canvas file set as the wallpaper, or "" once a
// single picture is set again.
void RememberCanvas(const std::string& rootPath, const std::string& canvasPath);
// Whether a canvas was remembered; and whether it still shows (the system's wallpaper is
// that file, not one chosen since in the system's settings).
bool CanvasRemembered(const std::string& rootPath);
bool CanvasShows(const std::string& rootPath);
