#include "engine/Showing.h"

#include "engine/MonitorOrder.h"
#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"

namespace {

std::string ShowingKey(const std::string& rootPath)
{
    return rootPath + RegistryNames::kShowingKey;
}

std::string RememberedCanvas(const std::string& rootPath)
{
    std::string path;
    CRegistryKey::OpenExisting(ShowingKey(rootPath)).ReadString(RegistryNames::kCanvas, path);
    return path;
}

MonitorBox BoxOf(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom, false};
}

}  // namespace

Showing ReadShowing(const std::string& rootPath)
{
    const CRegistryKey key = CRegistryKey::OpenExisting(ShowingKey(rootPath));
    Showing showing;
    showing.paths = key.ReadListUntilGap();
    key.ReadBytes(RegistryNames::kScreen, showing.screen);
    return showing;
}

void RememberShowing(const std::string& rootPath, const std::vector<std::string>& paths,
                     const MonitorLayout& screen)
{
    const CRegistryKey key = CRegistryKey::CreateOrOpen(ShowingKey(rootPath));
    key.WriteList(paths);
    key.WriteBytes(RegistryNames::kScreen, ScreenBytesOf(screen));
}

std::string ScreenBytesOf(const MonitorLayout& layout)
{
    std::vector<MonitorBox> monitors;
    for (const RECT& monitor : layout.monitors)
        monitors.push_back(BoxOf(monitor));
    return ScreenBytes(BoxOf(layout.screen), monitors);
}

void RememberCanvas(const std::string& rootPath, const std::string& canvasPath)
{
    CRegistryKey::CreateOrOpen(ShowingKey(rootPath)).WriteString(RegistryNames::kCanvas, canvasPath);
}

bool CanvasRemembered(const std::string& rootPath)
{
    return !RememberedCanvas(rootPath).empty();
}

bool CanvasShows(const std::string& rootPath)
{
    const std::string canvas = RememberedCanvas(rootPath);
    char wallpaper[MAX_PATH] = {};
    return !canvas.empty() &&
           SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof wallpaper, wallpaper, 0) &&
           lstrcmpiA(wallpaper, canvas.c_str()) == 0;
}
