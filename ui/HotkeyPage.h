#pragma once
#include "ui/PropertyPage.h"

// The seven hotkeys and the tray icon's click action; OK re-registers all seven.
class CHotkeyPage : public CPropertyPage, public CurrentInstance<CHotkeyPage> {
public:
    HPROPSHEETPAGE Create(HINSTANCE instance) override;

    INT_PTR OnInitDialog(HWND window);
    INT_PTR OnApply();
};
