#pragma once
#include "win32/UniqueHandle.h"
#include "ui/ModalDialog.h"
#include "ui/PreviewBox.h"
#include "wallpaper/WallpaperFolder.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

class CWallpaperChanger;

// The images of one folder as it is now, a preview of the selected one, and a button that
// sets it as the wallpaper at once; the dialog stays open after that. Files the walks pass
// over are marked, and a check box excludes the selected file or includes it again.
class CFileListDialog : public CModalDialog {
public:
    // Scans the folder.
    CFileListDialog(const std::string& folderPath, CWallpaperChanger* engine);
    CFileListDialog(const CFileListDialog&) = delete;
    CFileListDialog& operator=(const CFileListDialog&) = delete;

    // Runs the dialog modally; a failure inside it closes the dialog and is thrown here.
    void Show(HWND owner);

private:
    // The file list's own procedure: Enter sets the selected file.
    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam,
                                          LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    void OnInitDialog() override;
    void OnCommand(int id, int notification) override;
    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void PlacePreview();

    std::string SelectedPath() const;
    std::string LineText(std::size_t index) const;
    void ShowExclusion();
    void ToggleExclusion();
    void SetWallpaper();
    void DrawPreview();
    void ClearPreview();

    HWND list_ = nullptr;
    CWallpaperFolder folder_;
    std::vector<CWallpaperFile> files_;
    CWallpaperChanger* engine_;
    PreviewBox box_ = {};      // in client pixels
    UniqueGdiObject preview_;  // the box's size, compatible with the dialog
};
