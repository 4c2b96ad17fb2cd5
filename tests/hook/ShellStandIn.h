#pragma once
// ShellStandIn32.exe and ShellStandIn64.exe stand in for a shell of either bitness (argument
// "progman" or "workerw": the desktop of DesktopWindows, shown), or for any other program
// that pumps messages ("plain": no desktop). Each has a hidden window of this class, titled
// by its argument, that answers these messages.
#include <windows.h>

namespace ShellStandIn {

inline constexpr char kControlClass[] = "TesselShellStandIn";
// The list view's own colours back and a repaint, as the shell does; answers the text colour
// right after the paint, which only a hook can have changed.
inline constexpr UINT kResetAndRepaint = WM_APP + 1;
// Whether a caption hook library (tesselsub.dll or tesselsub64.dll) is mapped here.
inline constexpr UINT kHasHookLibrary = WM_APP + 2;

}  // namespace ShellStandIn
