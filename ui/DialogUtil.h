#pragma once
// Small helpers the settings pages and dialogs share. None of them fails: a cancelled
// browser or file dialog gives "", which every caller takes as "no change".
#include <windows.h>

#include <functional>
#include <string>

// True only for BST_CHECKED; an indeterminate box reads as false.
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);
// The control's whole text.
std::string GetItemText(HWND dialog, int id);
// The control's text as a path the settings store and read back whole; kept instead when
// the text is longer (kMaxAnsiPath), as a cancelled browse would keep it.
std::string GetItemPathOr(HWND dialog, int id, const std::string& kept);
void SetItemText(HWND dialog, int id, const std::string& text);
// The selected line of a list box, or "" without a selection.
std::string GetListBoxSelection(HWND dialog, int id);

// The shell's folder browser rooted at the desktop; the chosen folder's path, or "".
std::string BrowseForFolder(HWND owner, const std::string& title);
// A folder browser as the pages take it: BrowseForFolder, or a stand-in.
using FolderBrowser = std::function<std::string(HWND owner, const std::string& title)>;
// The open-file dialog for an existing image file; its full path, or "".
std::string ChooseImageFile(HWND owner, const std::string& title);

// Moves the window (not resizing it) to the middle of the desktop.
void CenterOnDesktop(HWND window);
