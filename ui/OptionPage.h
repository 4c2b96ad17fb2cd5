#pragma once
#include "ui/PropertyPage.h"

#include <string>
#include <vector>

// The automatic-change, desktop, screen-saver and caption options. The process list and
// the caption colour are edited on the page's own copies until OK.
class COptionPage : public CPropertyPage, public CurrentInstance<COptionPage> {
public:
    HPROPSHEETPAGE Create(HINSTANCE instance) override;

    INT_PTR OnInitDialog(HWND window);
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR OnApply();
    // The trackbar's WM_HSCROLL and the up-down control's WM_VSCROLL.
    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnIntervalEdited();
    void SetIntervalText(unsigned value);
    void SelectIntervalText();
    void ChooseTextColor();

    std::vector<std::string> processes_;
    COLORREF textColor_ = 0;
};
