#pragma once
// The shell's desktop list view, as the hook library and its 64-bit helper look it up.
#include <windows.h>

static inline HWND ListViewUnder(HWND top)
{
    HWND defView = FindWindowExA(top, NULL, "SHELLDLL_DefView", NULL);
    return defView ? FindWindowExA(defView, NULL, "SysListView32", NULL) : NULL;
}

// Under Progman; newer shells often move the desktop view into a top-level WorkerW.
static inline HWND FindDesktopListView(void)
{
    HWND listView = ListViewUnder(FindWindowA("Progman", "Program Manager"));
    for (HWND worker = NULL; listView == NULL;) {
        worker = FindWindowExA(NULL, worker, "WorkerW", NULL);
        if (worker == NULL)
            break;
        listView = ListViewUnder(worker);
    }
    return listView;
}

// The process that shows the desktop's list view; 0 when there is none.
static inline DWORD DesktopProcessId(void)
{
    DWORD id = 0;
    HWND listView = FindDesktopListView();
    if (listView != NULL)
        GetWindowThreadProcessId(listView, &id);
    return id;
}
