#include "app/OneShot.h"

#include "engine/WallpaperChanger.h"
#include "ui/FileListDialog.h"

#include <shlwapi.h>
#include <windows.h>

#include <cctype>

int RunOneShot(char letter)
{
    CWallpaperChanger engine;
    engine.Load(nullptr);
    switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'W': engine.Perform(Action::Change); break;
    case 'N': engine.Perform(Action::Next); break;
    case 'P': engine.Perform(Action::Previous); break;
    case 'R': engine.Perform(Action::Random); break;
    case 'E': engine.Perform(Action::Escape); break;
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
