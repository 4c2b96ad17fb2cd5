#pragma once
// What the desktop shows, as the last change of any run left it, kept under the program's key:
// a later run (the resident one following a new screen, the next logon) must know it.
#include "engine/Monitors.h"

#include <string>
#include <vector>

struct Showing {
    // The files shown, one per monitor of a canvas; empty when nothing shows.
    std::vector<std::string> paths;
    // The screen they were composed for (ScreenBytes).
    std::string screen;
};

Showing ReadShowing(const std::string& rootPath);
// After a change: its files and the screen as it was; no files once the wallpaper is cleared.
void RememberShowing(const std::string& rootPath, const std::vector<std::string>& paths,
                     const MonitorLayout& screen);
std::string ScreenBytesOf(const MonitorLayout& layout);

// The canvas file set as the wallpaper, or "" once a single picture is set again: no later run
// writes the style's desktop values while a canvas is still the wallpaper.
void RememberCanvas(const std::string& rootPath, const std::string& canvasPath);
// Whether a canvas was remembered; and whether it still shows (the system's wallpaper is
// that file, not one chosen since in the system's settings).
bool CanvasRemembered(const std::string& rootPath);
bool CanvasShows(const std::string& rootPath);
