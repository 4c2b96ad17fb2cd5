#pragma once
#include "ui/PropertyPage.h"

#include <string>
#include <vector>

class CWallpaperChanger;

// The automatic-change, desktop, screen-saver and caption options. The process list and
// the caption colour are edited on the page's own copies until OK.
class COptionPage : public CPropertyPage {
public:
    COptionPage(CWallpaperChanger& engine, ModalFailure& sheetFailure);

private:
    INT_PTR OnInitDialog() override;
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnApply() override;
    // The trackbar's WM_HSCROLL and the up-down control's WM_VSCROLL.
    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void OnIntervalEdited();
    void EnableFill();
    void SetIntervalText(unsigned value);
    void SelectIntervalText();
    void ChooseTextColor();

    CWallpaperChanger& engine_;
    std::vector<std::string> processes_;
    COLORREF textColor_ = 0;
};
