#pragma once
#include "ui/PropertyPage.h"

class CWallpaperChanger;

// What the program does to the wallpaper when it starts and when it quits; opens the
// shortcut dialog.
class CRunPage : public CPropertyPage {
public:
    CRunPage(CWallpaperChanger& engine, ModalFailure& sheetFailure);

private:
    INT_PTR OnInitDialog() override;
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnApply() override;

    CWallpaperChanger& engine_;
};
