#pragma once
// ShellStandIn32.exe and ShellStandIn64.exe stand in for a shell of either bitness: the
// desktop of DesktopWindows (argument "progman" or "workerw"), shown, and a hidden window of
// this class that answers these messages.
#include <windows.h>

namespace ShellStandIn {

inline constexpr char kControlClass[] = "TesselShellStandIn";
// The list view's own colours back and a repaint, as the shell does; answers the text colour
// right after the paint, which only a hook can have changed.
inline constexpr UINT kResetAndRepaint = WM_APP + 1;
// As a restarted shell: a new list view in place of the old, then "TaskbarCreated" posted to
// every top-level window; answers the new list view.
inline constexpr UINT kRestart = WM_APP + 2;

}  // namespace ShellStandIn
