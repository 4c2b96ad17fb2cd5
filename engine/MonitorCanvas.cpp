#include "engine/MonitorCanvas.h"

#include "imaging/ImageLoader.h"
#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"

#include <versionhelpers.h>

namespace {

// Windows 8 and later span one picture over the virtual screen. Windows 7 has no span: it
// tiles from the primary monitor's top-left corner, so a canvas the size of the virtual
// screen, turned round to start there, lands the same. The manifest names both systems, so
// the version is not hidden from us.
bool DesktopSpans()
{
    return IsWindows8OrGreater();
}

}  // namespace

void MakeMonitorCanvas(CImageLoader& loader, const std::vector<std::string>& paths,
                       const MonitorLayout& layout, PictureFit fit, const std::string& outPath)
{
    std::vector<MonitorPicture> pictures;
    for (std::size_t i = 0; i < paths.size() && i < layout.monitors.size(); ++i)
        pictures.push_back({paths[i], layout.monitors[i]});
    const POINT origin =
        DesktopSpans() ? POINT{layout.screen.left, layout.screen.top} : POINT{0, 0};
    loader.MakeMonitorWallpaper(pictures, layout.screen, origin, fit,
                                GetSysColor(COLOR_BACKGROUND), outPath);
}

void WriteCanvasLayout()
{
    using namespace RegistryNames;
    const CRegistryKey desktop = CRegistryKey::OpenExisting(kDesktopPath);
    if (!desktop.IsOpen())
        return;
    const bool span = DesktopSpans();
    desktop.WriteString(kTileWallpaper, span ? "0" : "1");
    desktop.WriteString(kWallpaperStyle, span ? "22" : "0");
}
