#pragma once
#include "ui/PropertyPage.h"

class CWallpaperChanger;

// How the wallpaper meets the screens: a picture of its own on each monitor.
class CDisplayPage : public CPropertyPage {
public:
    CDisplayPage(CWallpaperChanger& engine, ModalFailure& sheetFailure);

private:
    INT_PTR OnInitDialog() override;
    INT_PTR OnApply() override;

    CWallpaperChanger& engine_;
};
