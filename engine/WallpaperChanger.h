#pragma once
#include "engine/Choices.h"
#include "engine/HotkeySettings.h"
#include "engine/Monitors.h"
#include "engine/OptionSettings.h"
#include "engine/RunQuitSettings.h"
#include "imaging/SpiOptions.h"
#include "settings/RegistryNames.h"
#include "wallpaper/WallpaperList.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The engine: carries out every wallpaper command, whoever asks, and owns every setting.
// The list part is built first and destroyed last; the members below are destroyed in
// reverse order: plug-ins, start/quit, hotkeys, then options (screen saver, caption hook).
class CWallpaperChanger : public CWallpaperList {
public:
    // Seeds the runtime's generator with the time, for the list's shuffles.
    explicit CWallpaperChanger(std::string rootPath = RegistryNames::kRootPath);

    // Reads every setting; with a window (the resident run) also the hotkeys, start/quit,
    // the start action and, on 64-bit Windows, the 64-bit caption helper.
    void Load(HWND window);
    // Writes every setting; with a window also options, hotkeys, start/quit, plug-ins, then
    // performs the quit action.
    void Save();
    // One minute of the automatic-change count.
    void Tick();
    // The resident run, once the screen has settled after a change of it: the files that
    // show are composed again for the screen as it is now, if it differs from the one they
    // were composed for and the wallpaper depends on it (fitted, filled, or a canvas of
    // every monitor before or now). Not a change: nothing advances. A failure is not shown;
    // the old wallpaper stays.
    void FollowScreen();

    void ChangeWallpaper();
    void NextWallpaper();
    void PreviousWallpaper();
    void RandomWallpaper();
    void EscapeWallpaper();
    void ClearWallpaper();
    // Composes the image into WALLTMP.bmp and sets it, with "PerMonitor" on every monitor;
    // "" clears. Imaging failures are shown.
    void SetWallpaperFile(const std::string& path);

    // What shows now, a file once however many monitors show it; none when nothing does.
    std::vector<std::string> ShowingFiles() const;
    // Whether "never again" and the Recycle Bin apply to a showing file: one of the list, and
    // not the escape, start or quit picture.
    bool IsListPicture(const std::string& path) const;
    // "Never again": the walks pass over the file from now on, and the next picture shows.
    void ExcludeFile(const std::string& path);
    // Moves the file to the Recycle Bin, refreshes the list and shows the next picture. False,
    // changing nothing, when it cannot be moved (read-only, in use, gone).
    bool RecycleFile(const std::string& path);

    // One of the seven actions, whoever asks.
    void Perform(Action action);
    // A hotkey's or the icon click's stored action 0..6; anything else does nothing. The
    // action's hotkey is released while it runs.
    void DoAction(std::int32_t action);
    void DoIconClickAction();

    // Whether a file is a picture the program shows: an OLE type, or one a loaded plug-in
    // accepts. The filter of every file list built for this engine.
    bool IsPicture(const std::string& path, const DirectoryEntry* listed = nullptr) const;
    PictureFilter GetPictureFilter() const;
    // New plug-in settings from the plug-in page; rescans the folders when a new set of
    // plug-ins was loaded.
    void ApplySpi(const std::string& path, bool useSpi);

    const std::string& GetRootPath() const noexcept { return rootPath_; }
    std::int32_t GetElapsedMinutes() const noexcept { return elapsedMinutes_; }

    OptionSettings options;
    HotkeySettings hotkeys;
    RunQuitSettings runQuit;
    CSpiOptions spi;

private:
    static PictureFilter PictureFilterOf(const CWallpaperChanger* engine);
    UINT UpdateFlags() const;
    // The monitors that take a picture each: none unless "PerMonitor" is on and there is
    // more than one.
    MonitorLayout PictureMonitors() const;
    MonitorLayout PictureMonitorsOf(MonitorLayout screen) const;
    static std::int32_t PictureCount(const MonitorLayout& layout);
    // One path per monitor of layout, or one path without monitors; none or "" clears.
    // What shows is remembered with the screen. Quiet: a failure is not shown.
    void SetWallpaperFiles(const std::vector<std::string>& paths, const MonitorLayout& layout,
                           bool quiet = false);
    // The desktop values for what was just composed: the canvas's (canvas names its file),
    // or the user's style again once a canvas no longer shows.
    void ShowLayout(const std::string& canvas);
    void PerformStartQuitAction(std::int32_t option, const std::string& path);

    const std::string rootPath_;
    HWND hwnd_ = nullptr;
    std::int32_t elapsedMinutes_ = 0;
};
