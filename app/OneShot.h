#pragma once
#include <string>

class CWallpaperChanger;

// One wallpaper command for a "/" switch (either case); unknown letters do nothing.
// Saves the position and returns the exit code 0.
int RunOneShot(char letter);

// A path run: a file becomes the wallpaper; a folder shows its file list.
void OpenPath(CWallpaperChanger& engine, const std::string& path);
