#pragma once
#include "app/ScreenWatch.h"
#include "app/ShowingMenu.h"
#include "engine/Choices.h"
#include "win32/UniqueHandle.h"

#include <shellapi.h>
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>

class CWallpaperChanger;

// The hidden main window of the resident run: tray icon, one-minute timer, hotkeys and the
// tray menu, turned into engine commands. The object travels with its window (the creation
// parameter, kept in GWLP_USERDATA).
class CMainWindow {
public:
    explicit CMainWindow(CWallpaperChanger* engine);
    ~CMainWindow();
    CMainWindow(const CMainWindow&) = delete;
    CMainWindow& operator=(const CMainWindow&) = delete;

    // Class, hidden window, menu, tray icon, timer, then the engine's load. Throws CException.
    void Create(HINSTANCE instance, const char* className, const char* title);
    // Returns the exit code: 0, or 1 after a failure inside a handler.
    int RunMessageLoop();
    // Releases timer, tray icon, icons and menu.
    void Destroy();

    HWND GetWindow() const noexcept { return hwnd_; }
    // What the tray icon's tip says.
    std::string GetTrayTip() const { return trayData_.szTip; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void AddTrayIcon();
    void UpdateTrayIcon();
    void OnTrayNotify(LPARAM mouseMessage);
    void ShowTrayMenu();
    // Sets the check marks and, with folders registered, inserts the folder submenu at
    // position 5; the returned menu owns it (empty when there are no folders).
    UniqueMenu BuildTrayMenu(HMENU popup);
    void SetMenuCheck(UINT id, bool checked);
    void OnCommand(UINT id);
    // A command of the showing pictures' items; what cannot be done is not offered.
    void OnShowingCommand(std::size_t picture, ShowingAction action);
    // Pause and saver also refresh their check marks, pause the tray icon too.
    void PerformFromMenu(Action action);
    void ShowSettings();
    void OpenFolderFileList(unsigned index);
    void ShowHelp();

    HWND hwnd_ = nullptr;
    UniqueIcon iconPaused_;
    UniqueIcon iconRunning_;
    UniqueMenu menu_;
    NOTIFYICONDATAA trayData_ = {};
    bool trayAdded_ = false;
    bool busy_ = false;
    bool loaded_ = false;      // the engine has loaded: commands may run
    bool showingError_ = false;  // a handler's error box is open: answer everything with 0
    bool menuOpen_ = false;    // the tray menu is being tracked
    CWallpaperChanger* engine_;
    UINT_PTR timerId_ = 0;
    UINT taskbarCreated_ = 0;
    std::unique_ptr<CScreenWatch> screenWatch_;
};
