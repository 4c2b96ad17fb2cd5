#pragma once
#include "ui/DialogUtil.h"
#include "ui/ModalFailure.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <memory>

class CPropertyPage;
class CWallpaperChanger;

// The modal settings sheet: folder, option, hotkey, run/quit, plug-in and display pages
// editing the live engine. One object per opening.
class CSettingsSheet {
public:
    // browseForFolder: the folder browser of the folder and plug-in pages.
    explicit CSettingsSheet(CWallpaperChanger* engine,
                            FolderBrowser browseForFolder = BrowseForFolder);
    // Destroys the pages.
    ~CSettingsSheet();
    CSettingsSheet(const CSettingsSheet&) = delete;
    CSettingsSheet& operator=(const CSettingsSheet&) = delete;

    // Runs the sheet modally on the folder page. A failure inside a page closes the sheet
    // and is thrown from here.
    void Show(HINSTANCE instance, HWND parent);

private:
    static constexpr std::size_t kPageCount = 6;

    CWallpaperChanger* engine_;
    FolderBrowser browseForFolder_;
    ModalFailure failure_;
    std::array<std::unique_ptr<CPropertyPage>, kPageCount> pages_;
};
