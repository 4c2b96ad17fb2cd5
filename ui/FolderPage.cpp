#include "ui/FolderPage.h"

#include "engine/WallpaperChanger.h"
#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"
#include "ui/DialogUtil.h"
#include "ui/FileListDialog.h"
#include "win32/AnsiPath.h"
#include "win32/Exception.h"
#include "win32/GuardedCall.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace {

constexpr char kTemplate[] = "Page_Folder";
constexpr char kContextMenu[] = "FolderContext";
constexpr char kFolderTitle[] = "壁紙フォルダ指定";
constexpr char kTmpTitle[] = "一時フォルダ指定";
constexpr char kEscTitle[] = "エスケープ壁紙指定";

bool Contains(const std::vector<std::string>& paths, const std::string& path)
{
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

void Erase(std::vector<std::string>& paths, const std::string& path)
{
    paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
}

}  // namespace

CFolderPage::CFolderPage(CWallpaperChanger& engine, ModalFailure& sheetFailure,
                         FolderBrowser browseForFolder)
    : CPropertyPage(kTemplate, sheetFailure),
      engine_(engine),
      browseForFolder_(std::move(browseForFolder))
{
}

INT_PTR CFolderPage::OnInitDialog()
{
    list_ = GetDlgItem(window_, IDC_FOLDER_LIST);
    SetWindowSubclass(list_, ListProcedure, 0, reinterpret_cast<DWORD_PTR>(this));

    added_.clear();
    removed_.clear();
    engine_.GetFolders(shown_);
    for (const std::string& path : shown_)
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    SetItemText(window_, IDC_TMP_PATH, engine_.GetTmpPath());
    SetItemText(window_, IDC_ESC_PATH, engine_.GetEscPath());

    CenterOnDesktop(GetParent(window_));
    contextMenu_.reset(LoadMenuA(reinterpret_cast<HINSTANCE>(
                                     GetWindowLongPtrA(window_, GWLP_HINSTANCE)),
                                 kContextMenu));
    if (!contextMenu_)
        throw CException("failed LoadMenu");
    return TRUE;
}

INT_PTR CFolderPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const int notification = HIWORD(wParam);
    if (notification == EN_SETFOCUS) {
        PostMessageA(reinterpret_cast<HWND>(lParam), EM_SETSEL, 0, -2);
        return 0;
    }
    switch (id) {
    case IDC_FOLDER_LIST:
        if (notification == LBN_SELCHANGE)
            UpdateButtons();
        else if (notification == LBN_DBLCLK)
            OpenSelectedFolder();
        break;
    case IDC_FOLDER_OPEN:
    case IDM_FOLDER_OPEN:
        OpenSelectedFolder();
        break;
    case IDC_FOLDER_ADD:
    case IDM_FOLDER_ADD: {
        const std::string path = browseForFolder_(window_, kFolderTitle);
        if (!path.empty())
            AddFolder(path);
        break;
    }
    case IDC_TMP_BROWSE: {
        const std::string path = browseForFolder_(window_, kTmpTitle);
        if (!path.empty())
            SetItemText(window_, IDC_TMP_PATH, path);
        break;
    }
    case IDC_ESC_BROWSE: {
        const std::string path = ChooseImageFile(window_, kEscTitle);
        if (!path.empty())
            SetItemText(window_, IDC_ESC_PATH, path);
        break;
    }
    case IDC_FOLDER_REMOVE:
    case IDM_FOLDER_REMOVE:
        RemoveSelectedFolder();
        break;
    default:
        break;
    }
    return 0;
}

INT_PTR CFolderPage::OnApply()
{
    engine_.SetTmpPath(GetItemPathOr(window_, IDC_TMP_PATH, engine_.GetTmpPath()));
    engine_.SetEscPath(GetItemPathOr(window_, IDC_ESC_PATH, engine_.GetEscPath()));
    for (const std::string& path : added_)
        engine_.AddFolder(path, true);
    for (const std::string& path : removed_)
        engine_.RemoveFolder(path);
    return TRUE;
}

void CFolderPage::AddFolder(const std::string& path)
{
    if (Contains(shown_, path) || Contains(added_, path))
        return;
    Erase(removed_, path);
    added_.push_back(path);
    SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
}

void CFolderPage::RemoveSelectedFolder()
{
    const LRESULT index = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return;
    const std::string path = GetListBoxSelection(window_, IDC_FOLDER_LIST);
    Erase(added_, path);
    Erase(shown_, path);
    removed_.push_back(path);
    SendMessageA(list_, LB_DELETESTRING, index, 0);
    UpdateButtons();
}

void CFolderPage::UpdateButtons()
{
    const bool selected = SendMessageA(list_, LB_GETCURSEL, 0, 0) != LB_ERR;
    EnableWindow(GetDlgItem(window_, IDC_FOLDER_REMOVE), selected);
    EnableWindow(GetDlgItem(window_, IDC_FOLDER_OPEN), selected);
    HMENU popup = GetSubMenu(contextMenu_.get(), 0);
    const UINT state = MF_BYCOMMAND | (selected ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(popup, IDM_FOLDER_REMOVE, state);
    EnableMenuItem(popup, IDM_FOLDER_OPEN, state);
}

void CFolderPage::OpenSelectedFolder()
{
    const std::string path = GetListBoxSelection(window_, IDC_FOLDER_LIST);
    if (path.empty())
        return;
    CFileListDialog dialog(path, &engine_);
    dialog.Show(window_);
}

void CFolderPage::ShowContextMenu()
{
    POINT cursor = {};
    GetCursorPos(&cursor);
    TrackPopupMenu(GetSubMenu(contextMenu_.get(), 0), TPM_LEFTBUTTON, cursor.x, cursor.y, 0,
                   window_, nullptr);
}

void CFolderPage::OnDropFiles(HDROP drop)
{
    // Sized by the name itself: a cut name would add its parent folder.
    std::wstring dropped(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
    const UINT length =
        DragQueryFileW(drop, 0, dropped.data(), static_cast<UINT>(dropped.size()));
    DragFinish(drop);
    dropped.resize(length < dropped.size() ? length : 0);
    const std::string path = dropped.empty() ? std::string() : AnsiPathOf(dropped);
    if (!path.empty() && PathIsDirectoryA(path.c_str()))
        AddFolder(path);
}

LRESULT CALLBACK CFolderPage::ListProcedure(HWND list, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR id, DWORD_PTR self)
{
    auto* page = reinterpret_cast<CFolderPage*>(self);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(list, ListProcedure, id);
    const bool handled = GuardedCall([&] { return page->OnListMessage(message, wParam); },
                                     [&] {
                                         page->Abandon();
                                         return true;
                                     });
    return handled ? 0 : DefSubclassProc(list, message, wParam, lParam);
}

bool CFolderPage::OnListMessage(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_RBUTTONDOWN:
        // Not passed on: a right click leaves the selection as it is.
        ShowContextMenu();
        return true;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return true;
    default:
        return false;
    }
}
