#pragma once
// How the 32-bit program talks to TesselHook64.exe, its 64-bit helper. 64-bit processes
// never load the 32-bit tesselsub.dll, so on 64-bit Windows the helper holds the same hook
// from tesselsub64.dll for them. The program starts it beside itself with the arguments
// "<program process id> <caption colour>", both decimal; the helper sets the colour and
// runs until the program ends or posts WM_QUIT, holding the hook while the desktop belongs
// to a 64-bit process. In between the program posts these thread messages to the helper's
// first thread.
#include <windows.h>

namespace Hook64 {

inline constexpr wchar_t kHelperFile[] = L"TesselHook64.exe";
// set_text_color with wParam, the COLORREF.
inline constexpr UINT kSetTextColor = WM_APP + 1;
// complusion, after a fresh look at the desktop (the shell may have restarted).
inline constexpr UINT kComplusion = WM_APP + 2;

}  // namespace Hook64
