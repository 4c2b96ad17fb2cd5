#pragma once
#include "ui/PropertyPage.h"

// Whether Susie plug-ins are used and the directory they are loaded from.
class CSpiPage : public CPropertyPage, public CurrentInstance<CSpiPage> {
public:
    HPROPSHEETPAGE Create(HINSTANCE instance) override;

    INT_PTR OnInitDialog(HWND window);
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR OnApply();
};
