#pragma once
#include "ui/PropertyPage.h"

class CWallpaperChanger;

// The seven hotkeys and the tray icon's click action; OK re-registers all seven.
class CHotkeyPage : public CPropertyPage {
public:
    CHotkeyPage(CWallpaperChanger& engine, ModalFailure& sheetFailure);

private:
    INT_PTR OnInitDialog() override;
    INT_PTR OnApply() override;

    CWallpaperChanger& engine_;
};
