#include "app/ShowingMenu.h"

#include "engine/ProcessFileName.h"
#include "engine/WallpaperChanger.h"
#include "resources/ResourceIds.h"
#include "win32/ComApartment.h"
#include "win32/Module.h"

#include <shellapi.h>
#include <shlobj.h>

namespace {

constexpr char kNothingShows[] = "表示中の壁紙はありません";
constexpr char kExcludeText[] = "この壁紙を今後表示しない(&N)";
constexpr char kRecycleText[] = "この壁紙をごみ箱へ移動(&D)";
// Three commands a picture, for at most this many pictures.
constexpr std::size_t kMostPictures = 32;
constexpr UINT kActions = 3;

// A file name as menu text: '&' would underline the next character.
std::string MenuText(const std::string& name)
{
    std::string text;
    for (const char c : name) {
        text += c;
        if (c == '&')
            text += '&';
    }
    return text;
}

void InsertItem(HMENU menu, UINT position, UINT id, std::string text, bool enabled,
                HMENU submenu = nullptr)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE | (submenu != nullptr ? MIIM_SUBMENU : 0);
    item.fType = text.empty() ? MFT_SEPARATOR : MFT_STRING;
    item.fState = enabled ? MFS_ENABLED : MFS_GRAYED;
    item.wID = id;
    item.hSubMenu = submenu;
    item.dwTypeData = text.data();
    InsertMenuItemA(menu, position, TRUE, &item);
}

UINT CommandOf(std::size_t index, ShowingAction action)
{
    return IDM_SHOWING_FIRST + static_cast<UINT>(index) * kActions + static_cast<UINT>(action);
}

}  // namespace

CShowingMenu::CShowingMenu(HMENU popup, const CWallpaperChanger& engine) : popup_(popup)
{
    std::vector<std::string> files = engine.ShowingFiles();
    if (files.size() > kMostPictures)
        files.resize(kMostPictures);
    if (files.size() == 1) {
        InsertItems(popup_, 0, 0, ProcessFileName(files.front()),
                    engine.IsListPicture(files.front()));
        inserted_ = kActions;
    } else if (files.empty()) {
        InsertItem(popup_, 0, CommandOf(0, ShowingAction::OpenFolder), kNothingShows, false);
        InsertItem(popup_, 1, CommandOf(0, ShowingAction::Exclude), kExcludeText, false);
        InsertItem(popup_, 2, CommandOf(0, ShowingAction::Recycle), kRecycleText, false);
        inserted_ = kActions;
    } else {
        for (std::size_t i = 0; i < files.size(); ++i) {
            submenus_.emplace_back(CreatePopupMenu());
            const std::string name = ProcessFileName(files[i]);
            InsertItems(submenus_.back().get(), 0, i, name, engine.IsListPicture(files[i]));
            InsertItem(popup_, inserted_++, 0, MenuText(name), true, submenus_.back().get());
        }
    }
    InsertItem(popup_, inserted_++, 0, "", true);
}

CShowingMenu::~CShowingMenu()
{
    // By position: the submenus are detached, and their owners destroy them.
    for (UINT i = 0; i < inserted_; ++i)
        RemoveMenu(popup_, 0, MF_BYPOSITION);
}

void CShowingMenu::InsertItems(HMENU menu, UINT position, std::size_t index,
                               const std::string& name, bool applies)
{
    InsertItem(menu, position, CommandOf(index, ShowingAction::OpenFolder), MenuText(name), true);
    InsertItem(menu, position + 1, CommandOf(index, ShowingAction::Exclude), kExcludeText,
               applies);
    InsertItem(menu, position + 2, CommandOf(index, ShowingAction::Recycle), kRecycleText,
               applies);
}

bool ShowingCommand(UINT id, std::size_t& index, ShowingAction& action)
{
    if (id < IDM_SHOWING_FIRST || id >= IDM_SHOWING_FIRST + kMostPictures * kActions)
        return false;
    index = (id - IDM_SHOWING_FIRST) / kActions;
    action = static_cast<ShowingAction>((id - IDM_SHOWING_FIRST) % kActions);
    return true;
}

void ShowInFolder(const std::string& path)
{
    // Bound at run time: Windows 98 and 2000 have no SHOpenFolderAndSelectItems; there
    // Explorer is asked on its command line.
    using CreateFromPath = PIDLIST_ABSOLUTE(WINAPI*)(const char*);
    using OpenAndSelect = HRESULT(WINAPI*)(PCIDLIST_ABSOLUTE, UINT, PCUITEMID_CHILD_ARRAY, DWORD);
    const HMODULE shell = GetModuleHandleA("shell32.dll");
    const auto createFromPath = GetModuleFunction<CreateFromPath>(shell, "ILCreateFromPathA");
    const auto openAndSelect = GetModuleFunction<OpenAndSelect>(shell, "SHOpenFolderAndSelectItems");
    const ComApartment com;
    if (createFromPath != nullptr && openAndSelect != nullptr && com.Usable()) {
        const UniqueCoTaskMemory item(createFromPath(path.c_str()));
        if (item && SUCCEEDED(openAndSelect(static_cast<PCIDLIST_ABSOLUTE>(item.get()), 0,
                                            nullptr, 0)))
            return;
    }
    const std::string arguments = "/select,\"" + path + "\"";
    ShellExecuteA(nullptr, "open", "explorer.exe", arguments.c_str(), nullptr, SW_SHOWNORMAL);
}
