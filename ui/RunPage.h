#pragma once
#include "ui/PropertyPage.h"

// What the program does to the wallpaper when it starts and when it quits; opens the
// shortcut dialog.
class CRunPage : public CPropertyPage, public CurrentInstance<CRunPage> {
public:
    HPROPSHEETPAGE Create(HINSTANCE instance) override;

    INT_PTR OnInitDialog(HWND window);
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR OnApply();
};
