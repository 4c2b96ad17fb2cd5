#include "tools/benchmarks/BenchModes.h"

#include "engine/WallpaperChanger.h"

#include <cstdlib>
#include <string>

// prepare FOLDER RESIZE INTERVAL TMP [PER_MONITOR]: the program's own settings with one
// wallpaper folder.
int RunPrepare(const std::vector<std::string>& arguments)
{
    CWallpaperChanger engine;
    engine.Load(nullptr);
    std::vector<std::string> folders;
    engine.GetFolders(folders);
    for (const std::string& folder : folders)
        engine.RemoveFolder(folder);
    engine.AddFolder(arguments[0], true);
    engine.SetTmpPath(arguments[3]);
    engine.Save();
    engine.options.resize = std::atoi(arguments[1].c_str()) != 0;
    engine.options.interval = std::atoi(arguments[2].c_str());
    engine.options.perMonitor = arguments.size() > 4 && std::atoi(arguments[4].c_str()) != 0;
    engine.options.Save(engine.GetRootPath());
    return 0;
}
