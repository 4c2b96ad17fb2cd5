#include "tools/benchmarks/BenchModes.h"

#include "imaging/ImageLoader.h"
#include "tools/benchmarks/BenchClock.h"

#include <windows.h>

#include <cstdlib>
#include <string>

// canvas RUNS FIRST SECOND OUT (RUNS is arguments[0]): a fitted change of FIRST onto
// 3840x2160 against one canvas with FIRST fitted on a 3840x2160 monitor and SECOND on a
// 1920x1080 one to its right, as the loader does them for a change.
int RunCanvasBench(int runs, const std::vector<std::string>& arguments)
{
    const RECT primary = {0, 0, 3840, 2160};
    const RECT second = {3840, 0, 5760, 1080};
    const RECT screen = {0, 0, 5760, 2160};
    const std::string& out = arguments[3];
    Report("fitted_ms", MedianMs(runs, [&] {
               CImageLoader(nullptr).MakeFittedWallpaper(arguments[1], out, primary, false);
           }));
    const std::vector<MonitorPicture> pictures = {{arguments[1], primary},
                                                  {arguments[2], second}};
    Report("canvas_ms", MedianMs(runs, [&] {
               CImageLoader(nullptr).MakeMonitorWallpaper(pictures, screen, POINT{0, 0},
                                                          PictureFit::Fit, RGB(0, 0, 0), out);
           }));
    return 0;
}
