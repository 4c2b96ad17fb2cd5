#include "ui/DialogUtil.h"

#include "win32/AnsiPath.h"
#include "win32/ComApartment.h"
#include "win32/UniqueHandle.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace {

constexpr int kPathBuffer = MAX_PATH + 1;
// Filter pairs, each part ending in a zero; the list ends in a second zero.
constexpr char kImageFilter[] = "画像ファイル (.bmp;.jpg)\0*.bmp; *.jpg\0全てのファイル\0*.*\0";

}  // namespace

bool IsChecked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked)
{
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string GetItemText(HWND dialog, int id)
{
    const HWND item = GetDlgItem(dialog, id);
    // The length may count more bytes than the text has, never fewer.
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(item)) + 1);
    GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string GetItemPathOr(HWND dialog, int id, const std::string& kept)
{
    std::string text = GetItemText(dialog, id);
    return text.size() <= kMaxAnsiPath ? text : kept;
}

void SetItemText(HWND dialog, int id, const std::string& text)
{
    SetWindowTextA(GetDlgItem(dialog, id), text.c_str());
}

std::string GetListBoxSelection(HWND dialog, int id)
{
    const LRESULT index = SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return "";
    // Sized by the item itself: a line longer than a path must not overrun the buffer.
    const LRESULT length = SendDlgItemMessageA(dialog, id, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR)
        return "";
    std::vector<char> text(static_cast<size_t>(length) + 1);
    SendDlgItemMessageA(dialog, id, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::string BrowseForFolder(HWND owner, const std::string& title)
{
    // The browser needs COM on this thread.
    ComApartment com;
    const std::wstring wideTitle = WideOf(title);
    BROWSEINFOW info = {};
    info.hwndOwner = owner;
    info.lpszTitle = wideTitle.c_str();
    UniqueCoTaskMemory chosen(SHBrowseForFolderW(&info));
    if (!chosen)
        return "";
    wchar_t path[kPathBuffer] = {};
    if (!SHGetPathFromIDListW(static_cast<LPCITEMIDLIST>(chosen.get()), path))
        return "";
    return AnsiPathOf(path);
}

std::string ChooseImageFile(HWND owner, const std::string& title)
{
    // The filter's zeros are part of it: converted whole, not up to its first zero.
    const std::wstring filter = WideOf(std::string(kImageFilter, sizeof kImageFilter));
    const std::wstring wideTitle = WideOf(title);
    wchar_t path[kPathBuffer] = {};
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = wideTitle.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&dialog))
        return "";
    return AnsiPathOf(path);
}

void CenterOnDesktop(HWND window)
{
    RECT own = {};
    RECT desktop = {};
    GetWindowRect(window, &own);
    GetWindowRect(GetDesktopWindow(), &desktop);
    const int x = (own.left + desktop.right - own.right) / 2;
    const int y = (own.top + desktop.bottom - own.bottom) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE);
}
