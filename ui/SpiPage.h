#pragma once
#include "ui/DialogUtil.h"
#include "ui/PropertyPage.h"

class CWallpaperChanger;

// Whether Susie plug-ins are used and the directory they are loaded from.
class CSpiPage : public CPropertyPage {
public:
    CSpiPage(CWallpaperChanger& engine, ModalFailure& sheetFailure, FolderBrowser browseForFolder);

private:
    INT_PTR OnInitDialog() override;
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnApply() override;

    CWallpaperChanger& engine_;
    FolderBrowser browseForFolder_;
};
