#include "app/OneShot.h"

#include "app/WallpaperChanger.h"
#include "ui/FileListDialog.h"

#include <shlwapi.h>
#include <windows.h>

#include <cctype>

int RunOneShot(char letter)
{
    CWallpaperChanger engine;
    engine.Load(nullptr);
    switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'W': engine.ChangeWallpaper(); break;
    case 'N': engine.NextWallpaper(); break;
    case 'P': engine.PreviousWallpaper(); break;
    case 'R': engine.RandomWallpaper(); break;
    case 'E': engine.EscapeWallpaper(); break;
    case 'C': engine.ClearWallpaper(); break;
    default: break;
    }
    engine.Save();
    Sleep(10);
    return 0;
}

void OpenPath(CWallpaperChanger& engine, const std::string& path)
{
    if (!PathIsDirectoryA(path.c_str())) {
        engine.SetWallpaperFile(path);
        return;
    }
    CFileListDialog(path, &engine).Show(nullptr);
}
