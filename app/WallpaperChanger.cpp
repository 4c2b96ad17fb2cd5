#include "app/WallpaperChanger.h"

#include "hook/tesselsub.h"
#include "imaging/ImageLoader.h"
#include "imaging/WallpaperMaker.h"
#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace {

constexpr char kNotFound[] = "ファイルが見つかりません";
constexpr char kErrorCaption[] = "エラー";
constexpr char kWallpaperFile[] = "\\WALLTMP.bmp";

enum Action : std::int32_t {
    kActionChange,
    kActionNext,
    kActionPrevious,
    kActionRandom,
    kActionSaver,
    kActionPause,
    kActionEscape,
    kActionCount
};

}  // namespace

CWallpaperChanger::CWallpaperChanger(std::string rootPath) : rootPath_(std::move(rootPath))
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

void CWallpaperChanger::Load(HWND window)
{
    hwnd_ = window;
    {
        const CRegistryKey root = CRegistryKey::CreateOrOpen(rootPath_);
        if (!root.IsOpen())
            throw CException("failed RegOpen");
        elapsedMinutes_ = 0;
        if (root.IsNew())
            root.WriteInt32(RegistryNames::kElapsedTime, elapsedMinutes_);
        else
            root.ReadInt32(RegistryNames::kElapsedTime, elapsedMinutes_);
    }
    spi.Load(rootPath_);
    LoadFolders(rootPath_);
    options.Load(rootPath_);
    if (hwnd_ != nullptr) {
        HotkeySettings::SetHotkeyWindow(hwnd_);
        hotkeys.Load(rootPath_);
        runQuit.Load(rootPath_);
        PerformRunQuitAction(runQuit.runOption, runQuit.runPath);
    }
}

void CWallpaperChanger::Save()
{
    CRegistryKey::CreateOrOpen(rootPath_).WriteInt32(RegistryNames::kElapsedTime,
                                                     elapsedMinutes_);
    SaveFolders(rootPath_);
    if (hwnd_ != nullptr) {
        options.Save(rootPath_);
        hotkeys.Save(rootPath_);
        runQuit.Save(rootPath_);
        spi.Save(rootPath_);
        // After everything is written: a position the quit action moves is not saved.
        PerformRunQuitAction(runQuit.quitOption, runQuit.quitPath);
    }
}

void CWallpaperChanger::Tick()
{
    if (!options.IsAutoChangeAllowed())
        return;
    // A stored count may already be the largest there is: hold it there, never wrap.
    if (elapsedMinutes_ < INT32_MAX)
        ++elapsedMinutes_;
    if (elapsedMinutes_ >= options.interval) {
        ChangeWallpaper();
        elapsedMinutes_ = 0;
    }
}

void CWallpaperChanger::ChangeWallpaper()
{
    std::string path;
    switch (options.order) {
    case 0: path = Next(); break;
    case 1: path = Previous(); break;
    case 2: path = Random(); break;
    default: break;
    }
    if (!path.empty()) {
        SetWallpaperFile(path);
        return;
    }
    SetForegroundWindow(hwnd_);
    MessageBoxA(hwnd_, kNotFound, kErrorCaption, MB_OK);
}

void CWallpaperChanger::NextWallpaper()
{
    SetWallpaperFile(Next());
}

void CWallpaperChanger::PreviousWallpaper()
{
    SetWallpaperFile(Previous());
}

void CWallpaperChanger::RandomWallpaper()
{
    SetWallpaperFile(Random());
}

void CWallpaperChanger::EscapeWallpaper()
{
    SetWallpaperFile(GetEscPath());
}

void CWallpaperChanger::ClearWallpaper()
{
    char empty[] = "";
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, empty, UpdateFlags());
}

void CWallpaperChanger::SetWallpaperFile(const std::string& path)
{
    if (path.empty()) {
        ClearWallpaper();
        return;
    }
    std::string target = GetTmpPath() + kWallpaperFile;
    try {
        CImageLoader loader;
        if (options.resize) {
            RECT desktop = {};
            GetWindowRect(GetDesktopWindow(), &desktop);
            loader.MakeFittedWallpaper(path, target, desktop);
        } else {
            loader.MakeWallpaper(path, target);
        }
    } catch (const CWallpaperMaker::CWallpaperException& failure) {
        failure.ShowMessage();
        return;
    }
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, target.data(), UpdateFlags());
    if (options.notifyAll)
        complusion();
}

void CWallpaperChanger::DoAction(std::int32_t action)
{
    if (action < 0 || action >= kActionCount)
        return;
    // The hotkey that started the action stays unregistered while it runs (an error box
    // may be open), so it cannot fire again inside it.
    const std::int32_t value = hotkeys.GetHotkey(action);
    hotkeys.SetHotkey(action, 0);
    switch (action) {
    case kActionChange: ChangeWallpaper(); break;
    case kActionNext: NextWallpaper(); break;
    case kActionPrevious: PreviousWallpaper(); break;
    case kActionRandom: RandomWallpaper(); break;
    case kActionSaver: options.SetNoSaver(!options.noSaver); break;
    case kActionPause: options.noAutoChange = !options.noAutoChange; break;
    case kActionEscape: EscapeWallpaper(); break;
    default: break;
    }
    hotkeys.SetHotkey(action, value);
}

void CWallpaperChanger::DoIconClickAction()
{
    DoAction(hotkeys.iconClickAction);
}

UINT CWallpaperChanger::UpdateFlags() const
{
    return options.notifyAll ? SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE : SPIF_UPDATEINIFILE;
}

void CWallpaperChanger::PerformRunQuitAction(std::int32_t option, const std::string& path)
{
    if (option == 1)
        ChangeWallpaper();
    else if (option == 2)
        SetWallpaperFile(path);
}
