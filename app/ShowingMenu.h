#pragma once
#include "win32/UniqueHandle.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

class CWallpaperChanger;

// What the user can do with a picture that shows, from the top of the tray menu.
enum class ShowingAction { OpenFolder, Exclude, Recycle };

// The top of the tray menu for one showing of it: the picture that shows (its name opens its
// folder with it selected), "never again" and the Recycle Bin; with several pictures showing,
// a submenu of these three for each. What does not apply is greyed. Taken out again when
// destroyed.
class CShowingMenu {
public:
    CShowingMenu(HMENU popup, const CWallpaperChanger& engine);
    ~CShowingMenu();
    CShowingMenu(const CShowingMenu&) = delete;
    CShowingMenu& operator=(const CShowingMenu&) = delete;

private:
    void InsertItems(HMENU menu, UINT position, std::size_t index, const std::string& name,
                     bool applies);

    HMENU popup_;
    UINT inserted_ = 0;
    std::vector<UniqueMenu> submenus_;
};

// The file (its index among CWallpaperChanger::ShowingFiles) and the action of a command of
// such an item; false for any other command.
bool ShowingCommand(UINT id, std::size_t& index, ShowingAction& action);

// Explorer on the file's folder with the file selected.
void ShowInFolder(const std::string& path);
