#pragma once
#include "app/UniqueHandle.h"
#include "ui/ModalDialog.h"
#include "wallpaper/WallpaperFolder.h"

#include <windows.h>

#include <string>

class CWallpaperChanger;

// The images of one folder as it is now, a preview of the selected one, and a button that
// sets it as the wallpaper at once; the dialog stays open after that.
class CFileListDialog : public ModalDialog<CFileListDialog> {
public:
    // Scans the folder.
    CFileListDialog(const std::string& folderPath, CWallpaperChanger* engine);
    CFileListDialog(const CFileListDialog&) = delete;
    CFileListDialog& operator=(const CFileListDialog&) = delete;

    // Runs the dialog modally; a failure inside it closes the dialog and is thrown here.
    void Show(HWND owner);

private:
    friend class ModalDialog<CFileListDialog>;

    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam,
                                          LPARAM lParam);
    INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog(HWND dialog);
    void OnCommand(int id, int notification);
    void OnPaint();

    std::string SelectedPath() const;
    void SetWallpaper();
    void DrawPreview();
    void ClearPreview();

    HWND dialog_ = nullptr;
    HWND list_ = nullptr;
    WNDPROC previousListProcedure_ = nullptr;
    CWallpaperFolder folder_;
    CWallpaperChanger* engine_;
    UniqueGdiObject preview_;  // 180 x 135, compatible with the dialog
};
