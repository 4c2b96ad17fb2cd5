#pragma once
#include "ui/CurrentInstance.h"
#include "ui/ModalFailure.h"

#include <windows.h>

#include <array>
#include <memory>

class CPropertyPage;
class CWallpaperChanger;

// The modal settings sheet: folder, option, hotkey, run/quit and plug-in pages editing the
// live engine. One object per opening; while it lives it is the current sheet, through
// which the pages reach the engine.
class CSettingsSheet : public CurrentInstance<CSettingsSheet> {
public:
    explicit CSettingsSheet(CWallpaperChanger* engine);
    // Destroys the pages.
    ~CSettingsSheet();

    // Runs the sheet modally on the folder page. A failure inside a page closes the sheet
    // and is thrown from here.
    void Show(HINSTANCE instance, HWND parent);

    CWallpaperChanger& Engine() const noexcept { return *engine_; }

private:
    friend void AbandonSettingsSheet(HWND page) noexcept;

    CWallpaperChanger* engine_;
    std::array<std::unique_ptr<CPropertyPage>, 5> pages_;
    ModalFailure failure_;
};

// The engine the open settings sheet edits; only while a sheet exists.
CWallpaperChanger& CurrentEngine();
