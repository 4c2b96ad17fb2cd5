#pragma once
#include "engine/CaptionHelper.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class CRegistryKey;

// The options of the automatic change, the desktop layout, the screen saver and the
// desktop icon captions. While it lives it holds the system effects Load applied (screen
// saver off, caption hook registered) and gives them back when destroyed.
class OptionSettings {
public:
    OptionSettings() = default;
    ~OptionSettings();
    OptionSettings(const OptionSettings&) = delete;
    OptionSettings& operator=(const OptionSettings&) = delete;

    // Reads the options (a new key gets the defaults, written at once) and the process
    // list, then applies screen saver, desktop layout, caption colour and caption hook.
    // With the helper (the resident run), a 32-bit program on 64-bit Windows also keeps the
    // 64-bit caption helper running while transparency is on.
    void Load(const std::string& rootPath, bool withHelper = false);
    // Writes the options and the process list, and turns the screen saver back on.
    void Save(const std::string& rootPath);

    // False while paused, while a full-screen program is in front and "FullScreen" is on,
    // or while a registered program runs and "ByProcess" is on.
    bool IsAutoChangeAllowed() const;

    void SetNoSaver(bool value);
    // Writes the desktop's layout values for a DesktopStyle (0 centred, 1 tiled, 2
    // stretched); any other style writes nothing but is stored. While a canvas of every
    // monitor shows, the style is stored and its values wait for the next single picture.
    // Nothing is stored when the desktop key is missing.
    void SetStyle(std::int32_t value);
    void GetProcesses(std::vector<std::string>& names) const;
    void SetProcesses(const std::vector<std::string>& names);
    // Hands the caption colour to the hook library; shown at the desktop's next paint.
    void SetTextColor(COLORREF color);
    // Registers or unregisters the caption hook on a change; forces the colours always.
    void SetSeeThrough(bool value);
    // complusion: the caption colours onto the desktop now, while the hook is installed;
    // with transparency on, the hook is first set where the desktop now is.
    void ForceCaptionColors();
    // The 64-bit caption helper started again if it ended while wanted (see CCaptionHelper).
    void KeepCaptionHelper();

    bool noSaver = false;
    std::int32_t style = 0;
    std::vector<std::string> processes;
    bool noAutoChange = false;
    bool byProcess = false;
    bool notifyAll = true;
    std::int32_t interval = 10;
    std::int32_t order = 0;
    bool seeThrough = true;
    COLORREF textColor = RGB(255, 255, 255);
    bool resize = false;
    bool fullScreen = true;
    // With resize: cover the screen, cutting what overhangs, instead of fitting inside it.
    bool fill = false;
    // With more than one monitor: a picture of its own on each.
    bool perMonitor = false;

private:
    void SetDefaults();
    void Write(const CRegistryKey& key) const;
    void RegisterHook();
    void UnregisterHook();

    std::string rootPath_;
    // Set once Save has turned the screen saver back on for a user who keeps it off, so
    // later saves (end of logon, then exit) still store "NoSaver" 1.
    bool noSaverGivenBack_ = false;
    // This record's own registration with the hook library, matched once at most.
    bool hookRegistered_ = false;
    bool withHelper_ = false;
    CCaptionHelper helper_;
};
