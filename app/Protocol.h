#pragma once
// How other programs (and the tests) talk to the resident run's hidden window. The menu
// command identifiers are the tray menu's, in resources/ResourceIds.h.
#include "resources/ResourceIds.h"

#include <windows.h>

namespace Protocol {

// The window class, and also the name of the mutex that keeps one resident run per user.
inline constexpr char kWindowClass[] = "BRINDLECOVE_02";
// The window title and the tray tip.
inline constexpr char kTitle[] = "Tesselwane";

// Tray icon notifications: lParam holds the mouse message.
inline constexpr UINT kTrayMessage = WM_USER + 1;
// Posted to itself to open the tray menu once the click has been handled.
inline constexpr UINT kShowMenuMessage = WM_USER + 2;
inline constexpr UINT kTrayIconId = 4649;
// The one-minute timer; each WM_TIMER is one minute of the automatic-change count.
inline constexpr UINT_PTR kTimerId = 100;
inline constexpr UINT kMinute = 60000;
// Runs once the screen has been quiet this long after a change of it (a new mode, a monitor
// plugged in or out), and once from the start: then the wallpaper follows the screen.
inline constexpr UINT_PTR kSettleTimerId = 101;
inline constexpr UINT kSettleTime = 2000;

}  // namespace Protocol
