#include "engine/WallpaperChanger.h"

#include "engine/MonitorCanvas.h"
#include "engine/Showing.h"
#include "imaging/ImageLoader.h"
#include "imaging/ImageType.h"
#include "imaging/WallpaperMaker.h"
#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace {

constexpr char kNotFound[] = "ファイルが見つかりません";
constexpr char kErrorCaption[] = "エラー";
constexpr char kWallpaperFile[] = "\\WALLTMP.bmp";

}  // namespace

CWallpaperChanger::CWallpaperChanger(std::string rootPath)
    : CWallpaperList(PictureFilterOf(this)),
      runQuit(PictureFilterOf(this)),
      rootPath_(std::move(rootPath))
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
    options.Load(rootPath_, hwnd_ != nullptr);
    if (hwnd_ != nullptr) {
        hotkeys.SetWindow(hwnd_);
        hotkeys.Load(rootPath_);
        runQuit.Load(rootPath_);
        PerformStartQuitAction(runQuit.runOption, runQuit.runPath);
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
        // The next logon shows the wallpaper by the values stored now, whoever wrote
        // them since.
        if (CanvasShows(rootPath_))
            WriteCanvasLayout();
        // After everything is written: a position the quit action moves is not saved.
        PerformStartQuitAction(runQuit.quitOption, runQuit.quitPath);
    }
}

void CWallpaperChanger::Tick()
{
    options.KeepCaptionHelper();
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
    const MonitorLayout layout = PictureMonitors();
    const std::int32_t count = PictureCount(layout);
    std::vector<std::string> paths;
    switch (static_cast<WallpaperOrder>(options.order)) {
    case WallpaperOrder::Name: paths = Next(count); break;
    case WallpaperOrder::Reverse: paths = Previous(count); break;
    case WallpaperOrder::Random: paths = Random(count); break;
    }
    if (!paths.empty()) {
        SetWallpaperFiles(paths, layout);
        return;
    }
    SetForegroundWindow(hwnd_);
    MessageBoxA(hwnd_, kNotFound, kErrorCaption, MB_OK);
}

void CWallpaperChanger::NextWallpaper()
{
    const MonitorLayout layout = PictureMonitors();
    SetWallpaperFiles(Next(PictureCount(layout)), layout);
}

void CWallpaperChanger::PreviousWallpaper()
{
    const MonitorLayout layout = PictureMonitors();
    SetWallpaperFiles(Previous(PictureCount(layout)), layout);
}

void CWallpaperChanger::RandomWallpaper()
{
    const MonitorLayout layout = PictureMonitors();
    SetWallpaperFiles(Random(PictureCount(layout)), layout);
}

void CWallpaperChanger::EscapeWallpaper()
{
    SetWallpaperFile(GetEscPath());
}

void CWallpaperChanger::ClearWallpaper()
{
    char empty[] = "";
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, empty, UpdateFlags());
    RememberShowing(rootPath_, {}, ReadMonitors());
}

void CWallpaperChanger::SetWallpaperFile(const std::string& path)
{
    if (path.empty()) {
        ClearWallpaper();
        return;
    }
    const MonitorLayout layout = PictureMonitors();
    SetWallpaperFiles(std::vector<std::string>(PictureCount(layout), path), layout);
}

void CWallpaperChanger::SetWallpaperFiles(const std::vector<std::string>& paths,
                                          const MonitorLayout& layout, bool quiet)
{
    if (paths.empty() || paths.front().empty()) {
        ClearWallpaper();
        return;
    }
    const bool canvas = !layout.monitors.empty();
    std::string target = GetTmpPath() + kWallpaperFile;
    try {
        // Without a folder the file would land at the root of the current drive.
        if (GetTmpPath().empty())
            throw CWallpaperMaker::CWallpaperException("failed CreateFile");
        CImageLoader loader(spi.Plugins());
        if (canvas) {
            const PictureFit fit = !options.resize ? PictureFit::Own
                                   : options.fill  ? PictureFit::Fill
                                                   : PictureFit::Fit;
            MakeMonitorCanvas(loader, paths, layout, fit, target);
        } else if (options.resize) {
            RECT desktop = {};
            GetWindowRect(GetDesktopWindow(), &desktop);
            loader.MakeFittedWallpaper(paths.front(), target, desktop, options.fill);
        } else {
            loader.MakeWallpaper(paths.front(), target);
        }
    } catch (const CWallpaperMaker::CWallpaperException& failure) {
        if (!quiet)
            failure.ShowMessage();
        return;
    }
    ShowLayout(canvas ? target : std::string());
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, target.data(), UpdateFlags());
    RememberShowing(rootPath_, paths, canvas ? layout : ReadMonitors());
    if (options.notifyAll)
        options.ForceCaptionColors();
}

MonitorLayout CWallpaperChanger::PictureMonitors() const
{
    return options.perMonitor ? PictureMonitorsOf(ReadMonitors()) : MonitorLayout{};
}

MonitorLayout CWallpaperChanger::PictureMonitorsOf(MonitorLayout screen) const
{
    if (!options.perMonitor || screen.monitors.size() < 2)
        screen.monitors.clear();
    return screen;
}

void CWallpaperChanger::FollowScreen()
{
    const Showing showing = ReadShowing(rootPath_);
    if (showing.paths.empty() || showing.paths.front().empty())
        return;
    const MonitorLayout screen = ReadMonitors();
    if (ScreenBytesOf(screen) == showing.screen)
        return;
    const MonitorLayout layout = PictureMonitorsOf(screen);
    // An own-size picture on one screen is placed by the system itself.
    if (!options.resize && layout.monitors.empty() && !CanvasRemembered(rootPath_))
        return;
    std::vector<std::string> paths = showing.paths;
    const std::size_t count = static_cast<std::size_t>(PictureCount(layout));
    if (paths.size() > count) {
        paths.resize(count);
    } else if (paths.size() < count) {
        // A new monitor takes what a walk forward would give it; the position stays.
        const std::size_t missing = count - paths.size();
        std::vector<std::string> more =
            FilesAfter(paths.back(), static_cast<std::int32_t>(missing));
        more.resize(missing, paths.back());
        paths.insert(paths.end(), more.begin(), more.end());
    }
    SetWallpaperFiles(paths, layout, true);
}

std::int32_t CWallpaperChanger::PictureCount(const MonitorLayout& layout)
{
    return layout.monitors.empty() ? 1 : static_cast<std::int32_t>(layout.monitors.size());
}

void CWallpaperChanger::ShowLayout(const std::string& canvas)
{
    if (!canvas.empty()) {
        WriteCanvasLayout();
        RememberCanvas(rootPath_, canvas);
    } else if (CanvasRemembered(rootPath_)) {
        RememberCanvas(rootPath_, "");
        options.SetStyle(options.style);
    }
}

std::vector<std::string> CWallpaperChanger::ShowingFiles() const
{
    std::vector<std::string> files;
    for (const std::string& path : ReadShowing(rootPath_).paths) {
        if (!path.empty() && std::find(files.begin(), files.end(), path) == files.end())
            files.push_back(path);
    }
    return files;
}

bool CWallpaperChanger::IsListPicture(const std::string& path) const
{
    return IsListed(path) && path != GetEscPath() && path != runQuit.runPath &&
           path != runQuit.quitPath;
}

void CWallpaperChanger::ExcludeFile(const std::string& path)
{
    Exclude(path);
    ChangeWallpaper();
}

bool CWallpaperChanger::RecycleFile(const std::string& path)
{
    // A file the user made read-only is one to keep: the shell would bin it without a word.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return false;
    std::string from = path;
    from.push_back('\0');  // the list ends with an empty name
    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = hwnd_;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    if (SHFileOperationA(&operation) != 0 || operation.fAnyOperationsAborted ||
        GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    RefreshWithout(path, static_cast<WallpaperOrder>(options.order) != WallpaperOrder::Reverse);
    ChangeWallpaper();
    return true;
}

void CWallpaperChanger::Perform(Action action)
{
    switch (action) {
    case Action::Change: ChangeWallpaper(); break;
    case Action::Next: NextWallpaper(); break;
    case Action::Previous: PreviousWallpaper(); break;
    case Action::Random: RandomWallpaper(); break;
    case Action::Saver: options.SetNoSaver(!options.noSaver); break;
    case Action::Pause: options.noAutoChange = !options.noAutoChange; break;
    case Action::Escape: EscapeWallpaper(); break;
    }
}

void CWallpaperChanger::DoAction(std::int32_t action)
{
    if (action < 0 || action >= kActionCount)
        return;
    // The hotkey that started the action stays unregistered while it runs (an error box
    // may be open), so it cannot fire again inside it.
    const std::int32_t value = hotkeys.GetHotkey(action);
    hotkeys.SetHotkey(action, 0);
    Perform(static_cast<Action>(action));
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

bool CWallpaperChanger::IsPicture(const std::string& path, const DirectoryEntry* listed) const
{
    return IsSupportedImage(path, spi.Plugins(), listed);
}

PictureFilter CWallpaperChanger::GetPictureFilter() const
{
    return PictureFilterOf(this);
}

// Static, so the list and the records can be given it before the engine is built; they ask
// it only after Load, by which time the plug-in settings exist.
PictureFilter CWallpaperChanger::PictureFilterOf(const CWallpaperChanger* engine)
{
    return [engine](const std::string& path, const DirectoryEntry* listed) {
        return engine->IsPicture(path, listed);
    };
}

void CWallpaperChanger::ApplySpi(const std::string& path, bool useSpi)
{
    if (spi.Apply(path, useSpi))
        Refresh();
}

void CWallpaperChanger::PerformStartQuitAction(std::int32_t option, const std::string& path)
{
    switch (static_cast<StartQuitAction>(option)) {
    case StartQuitAction::None: break;
    case StartQuitAction::Change: ChangeWallpaper(); break;
    case StartQuitAction::SetFile: SetWallpaperFile(path); break;
    }
}
