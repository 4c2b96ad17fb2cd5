#pragma once
// ShellStandIn32.exe and ShellStandIn64.exe stand in for the shell of either bitness: the
// desktop of DesktopWindows (argument "progman" or "workerw"), shown, and a hidden control
// window of this class that the tests drive with these messages.
#include <windows.h>

namespace ShellStandIn {

inline constexpr char kControlClass[] = "TesselShellStandIn";
// The shell's own colours back on the list view, then a repaint, as the shell does;
// answers the text colour the list view has once the paint is done.
inline constexpr UINT kResetAndRepaint = WM_APP + 1;
// As a restarted shell: a new list view in place of the old, then "TaskbarCreated" posted
// to every top-level window; answers the new list view.
inline constexpr UINT kRestart = WM_APP + 2;
// The colours a list view has before anybody sets them.
inline constexpr COLORREF kShellText = 0x00000000;
inline constexpr COLORREF kShellBackground = 0x00FFFFFF;

}  // namespace ShellStandIn
