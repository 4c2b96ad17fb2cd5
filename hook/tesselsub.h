#pragma once
// The caption hook library's exports, as the program imports them (by ordinal).
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// 1 when the hook is (or already was) installed, 0 when installing failed.
int WINAPI register_hook(void);
// 1 when nothing was removed (none registered, or others remain); else the removal's result.
int WINAPI unregister_hook(void);
// Stores the caption colour for the next paint; returns it.
COLORREF WINAPI set_text_color(COLORREF color);
// Forces the caption colours and repaints the desktop list view; 0 while no hook is installed.
int WINAPI complusion(void);

#ifdef __cplusplus
}
#endif
