#include "engine/OptionSettings.h"

#include "engine/Choices.h"
#include "engine/FullScreen.h"
#include "engine/ProcessWatcher.h"
#include "engine/Showing.h"
#include "hook/DesktopListView.h"
#include "hook/tesselsub.h"
#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"
#include "win32/Wow64.h"

#include <algorithm>

namespace {

void SetScreenSaverActive(bool active)
{
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? TRUE : FALSE, nullptr, 0);
}

}  // namespace

OptionSettings::~OptionSettings()
{
    if (noSaver)
        SetScreenSaverActive(true);
    UnregisterHook();
}

void OptionSettings::SetDefaults()
{
    noSaver = false;
    style = 0;
    noAutoChange = false;
    byProcess = false;
    notifyAll = true;
    interval = 10;
    order = 0;
    seeThrough = true;
    textColor = RGB(255, 255, 255);
    resize = false;
    fullScreen = true;
    fill = false;
    perMonitor = false;
}

void OptionSettings::Load(const std::string& rootPath, bool withHelper)
{
    rootPath_ = rootPath;
    withHelper_ = withHelper && IsWow64Program();
    using namespace RegistryNames;
    const std::string optionPath = rootPath + kOptionKey;
    // Values missing from an existing key keep the defaults of a new one.
    SetDefaults();
    const CRegistryKey key = CRegistryKey::CreateOrOpen(optionPath);
    if (key.IsNew()) {
        Write(key);
    } else {
        key.ReadFlag(kNoAutoChange, noAutoChange);
        key.ReadFlag(kNoSaver, noSaver);
        key.ReadFlag(kByProcess, byProcess);
        key.ReadFlag(kNotifyAll, notifyAll);
        key.ReadFlag(kSeeThrough, seeThrough);
        key.ReadFlag(kResize, resize);
        key.ReadInt32(kStyle, style);
        key.ReadInt32(kOrder, order);
        key.ReadInt32(kInterval, interval);
        std::int32_t color = static_cast<std::int32_t>(textColor);
        if (key.ReadInt32(kTextColor, color))
            textColor = static_cast<COLORREF>(color);
        key.ReadFlag(kFullScreen, fullScreen);
        key.ReadFlag(kFill, fill);
        key.ReadFlag(kPerMonitor, perMonitor);
    }
    processes = CRegistryKey::CreateOrOpen(optionPath + kProcessListKey).ReadListUntilGap();

    if (noSaver)
        SetScreenSaverActive(false);
    SetStyle(style);
    set_text_color(textColor);
    if (seeThrough)
        RegisterHook();
}

void OptionSettings::Save(const std::string& rootPath)
{
    const std::string optionPath = rootPath + RegistryNames::kOptionKey;
    Write(CRegistryKey::CreateOrOpen(optionPath));
    // The screen saver comes back at once (the end of the logon may be the last chance);
    // the stored value keeps it off at the next start.
    if (noSaver) {
        noSaver = false;
        noSaverGivenBack_ = true;
        SetScreenSaverActive(true);
    }
    CRegistryKey::CreateOrOpen(optionPath + RegistryNames::kProcessListKey).WriteList(processes);
}

void OptionSettings::Write(const CRegistryKey& key) const
{
    using namespace RegistryNames;
    key.WriteFlag(kNoAutoChange, noAutoChange);
    key.WriteFlag(kNoSaver, noSaver || noSaverGivenBack_);
    key.WriteFlag(kByProcess, byProcess);
    key.WriteFlag(kNotifyAll, notifyAll);
    key.WriteFlag(kResize, resize);
    key.WriteInt32(kStyle, style);
    key.WriteInt32(kOrder, order);
    key.WriteInt32(kInterval, interval);
    key.WriteFlag(kSeeThrough, seeThrough);
    key.WriteInt32(kTextColor, static_cast<std::int32_t>(textColor));
    key.WriteFlag(kFullScreen, fullScreen);
    key.WriteFlag(kFill, fill);
    key.WriteFlag(kPerMonitor, perMonitor);
}

bool OptionSettings::IsAutoChangeAllowed() const
{
    if (noAutoChange)
        return false;
    if (fullScreen && IsFullScreenProgramInFront())
        return false;
    if (!byProcess)
        return true;
    std::vector<std::string> running;
    EnumerateProcesses(running);
    // Whole file names, byte for byte: letter case counts.
    return std::none_of(running.begin(), running.end(), [this](const std::string& name) {
        return std::find(processes.begin(), processes.end(), name) != processes.end();
    });
}

void OptionSettings::SetNoSaver(bool value)
{
    noSaver = value;
    noSaverGivenBack_ = false;
    SetScreenSaverActive(!value);
}

void OptionSettings::SetStyle(std::int32_t value)
{
    using namespace RegistryNames;
    const CRegistryKey desktop = CRegistryKey::OpenExisting(kDesktopPath);
    if (!desktop.IsOpen())
        return;
    // A canvas keeps its own values until a single picture is set again.
    if (CanvasShows(rootPath_)) {
        style = value;
        return;
    }
    switch (static_cast<DesktopStyle>(value)) {
    case DesktopStyle::Centre:
        desktop.WriteString(kTileWallpaper, "0");
        desktop.WriteString(kWallpaperStyle, "0");
        break;
    case DesktopStyle::Tile:
        desktop.WriteString(kTileWallpaper, "1");
        desktop.WriteString(kWallpaperStyle, "0");
        break;
    case DesktopStyle::Stretch:
        desktop.WriteString(kTileWallpaper, "0");
        desktop.WriteString(kWallpaperStyle, "2");
        break;
    }
    style = value;
}

void OptionSettings::GetProcesses(std::vector<std::string>& names) const
{
    names = processes;
}

void OptionSettings::SetProcesses(const std::vector<std::string>& names)
{
    processes = names;
}

void OptionSettings::SetTextColor(COLORREF color)
{
    textColor = color;
    set_text_color(color);
    helper_.SetTextColor(color);
}

void OptionSettings::SetSeeThrough(bool value)
{
    if (value != seeThrough) {
        if (value)
            RegisterHook();
        else
            UnregisterHook();
    }
    seeThrough = value;
    ForceCaptionColors();
}

void OptionSettings::ForceCaptionColors()
{
    // The desktop may be new (a restarted shell), or was missing when the hook was wanted.
    if (seeThrough)
        RegisterHook();
    complusion();
    helper_.Complusion();
}

void OptionSettings::KeepCaptionHelper()
{
    helper_.Revive();
}

void OptionSettings::RegisterHook()
{
    // A 32-bit hook on a 64-bit desktop could only run on this program's own thread, and
    // would stall the shell while this program decodes: the 64-bit helper serves it.
    const bool ownHookServes = !IsWow64Program() || !Is64BitProcess(DesktopProcessId());
    if (ownHookServes && !hookRegistered_) {
        hookRegistered_ = register_hook() != 0;
    } else if (!ownHookServes && hookRegistered_) {
        unregister_hook();
        hookRegistered_ = false;
    }
    if (withHelper_)
        helper_.Start(textColor);
}

void OptionSettings::UnregisterHook()
{
    if (hookRegistered_) {
        unregister_hook();
        hookRegistered_ = false;
    }
    helper_.Stop();
}
