#pragma once
#include "ui/DialogUtil.h"
#include "ui/PropertyPage.h"
#include "win32/UniqueHandle.h"

#include <shellapi.h>

#include <string>
#include <vector>

class CWallpaperChanger;

// The wallpaper folders, the temporary folder and the escape wallpaper. Additions and
// removals are collected here and handed to the engine's list only on OK.
class CFolderPage : public CPropertyPage {
public:
    CFolderPage(CWallpaperChanger& engine, ModalFailure& sheetFailure,
                FolderBrowser browseForFolder);

private:
    // Throws CException "failed LoadMenu" without the context menu resource.
    INT_PTR OnInitDialog() override;
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnApply() override;

    // The folder list's own procedure: its context menu and dropped folders.
    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam,
                                          LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    // True when the message was handled and must not reach the list box.
    bool OnListMessage(UINT message, WPARAM wParam);

    void AddFolder(const std::string& path);
    void RemoveSelectedFolder();
    void UpdateButtons();
    void OpenSelectedFolder();
    void ShowContextMenu();
    void OnDropFiles(HDROP drop);

    CWallpaperChanger& engine_;
    FolderBrowser browseForFolder_;
    HWND list_ = nullptr;
    UniqueMenu contextMenu_;
    std::vector<std::string> added_;
    std::vector<std::string> removed_;
    std::vector<std::string> shown_;
};
