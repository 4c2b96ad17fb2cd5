#pragma once
#include "app/HotkeySettings.h"
#include "app/OptionSettings.h"
#include "app/RunQuitSettings.h"
#include "imaging/SpiOptions.h"
#include "settings/RegistryNames.h"
#include "wallpaper/WallpaperList.h"

#include <windows.h>

#include <cstdint>
#include <string>

// The engine: carries out every wallpaper command, whoever asks, and owns every setting.
// The list part is built first and destroyed last; the members below are destroyed in
// reverse order: plug-ins, start/quit, hotkeys, then options (screen saver, caption hook).
class CWallpaperChanger : public CWallpaperList {
public:
    // Seeds the runtime's generator with the time, for the list's shuffles.
    explicit CWallpaperChanger(std::string rootPath = RegistryNames::kRootPath);

    // Reads every setting; with a window also the hotkeys, start/quit and the start action.
    void Load(HWND window);
    // Writes every setting; with a window also options, hotkeys, start/quit, plug-ins, then
    // performs the quit action.
    void Save();
    // One minute of the automatic-change count.
    void Tick();

    void ChangeWallpaper();
    void NextWallpaper();
    void PreviousWallpaper();
    void RandomWallpaper();
    void EscapeWallpaper();
    void ClearWallpaper();
    // Composes the image into WALLTMP.bmp and sets it; "" clears. Imaging failures are shown.
    void SetWallpaperFile(const std::string& path);

    // Hotkey and icon-click actions 0..6; anything else does nothing.
    void DoAction(std::int32_t action);
    void DoIconClickAction();

    const std::string& GetRootPath() const noexcept { return rootPath_; }
    std::int32_t GetElapsedMinutes() const noexcept { return elapsedMinutes_; }

    OptionSettings options;
    HotkeySettings hotkeys;
    RunQuitSettings runQuit;
    CSpiOptions spi;

private:
    UINT UpdateFlags() const;
    void PerformRunQuitAction(std::int32_t option, const std::string& path);

    const std::string rootPath_;
    HWND hwnd_ = nullptr;
    std::int32_t elapsedMinutes_ = 0;
};
