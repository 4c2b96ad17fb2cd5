#pragma once
#include "app/UniqueHandle.h"
#include "ui/PropertyPage.h"

#include <shellapi.h>

#include <string>
#include <vector>

// The wallpaper folders, the temporary folder and the escape wallpaper. Additions and
// removals are collected here and handed to the engine's list only on OK.
class CFolderPage : public CPropertyPage, public CurrentInstance<CFolderPage> {
public:
    HPROPSHEETPAGE Create(HINSTANCE instance) override;

    // Throws CException "failed LoadMenu" without the context menu resource.
    INT_PTR OnInitDialog(HWND window);
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR OnApply();

private:
    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam,
                                          LPARAM lParam);
    LRESULT OnListMessage(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

    void AddFolder(const std::string& path);
    void RemoveSelectedFolder();
    void UpdateButtons();
    void OpenSelectedFolder();
    void ShowContextMenu();
    void OnDropFiles(HDROP drop);

    HWND list_ = nullptr;
    WNDPROC previousListProcedure_ = nullptr;
    UniqueMenu contextMenu_;
    std::vector<std::string> added_;
    std::vector<std::string> removed_;
    std::vector<std::string> shown_;
};
