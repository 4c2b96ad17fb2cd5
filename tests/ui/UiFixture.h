#pragma once
// An engine on a scratch registry root, loaded with a hidden window for its hotkeys, and
// the helpers the settings tests share.
#include "engine/WallpaperChanger.h"
#include "tests/support/ScratchRegistry.h"
#include "tests/support/TempDir.h"
#include "tests/ui/ModalDriver.h"
#include "ui/DialogUtil.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

class UiTest : public ::testing::Test {
protected:
    UiTest();
    ~UiTest() override;

    // Shows the settings sheet on the engine; the driver's steps run inside it.
    void ShowSheet();
    // Waits for the sheet, then switches it to page index and hands the page to action.
    static ModalDriver::Step OnPage(int index, std::function<void(HWND page)> action);
    static ModalDriver::Step PressSheet(int button);

    ScratchRegistry registry;
    TempDir temp;
    // What the sheet's pages browse for folders with.
    FolderBrowser browseForFolder = BrowseForFolder;
    HWND window = nullptr;
    std::unique_ptr<CWallpaperChanger> engine;
};

// The wallpaper path the system was given last.
std::string SystemWallpaper();
