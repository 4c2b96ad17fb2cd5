// Caption colour hook: keeps the desktop icon captions without a background box and in
// the chosen colour. The hook is set for the one thread that owns the desktop's list view,
// so the system maps the library into the shell alone; there it runs without the C
// runtime, allocates nothing and never blocks beyond window look-ups.
#include <windows.h>
#include <commctrl.h>

#include "hook/DesktopListView.h"

// One copy for every process that maps the library, in this order (16 bytes in the 32-bit
// library; the 64-bit one, built from this source for 64-bit shells, has its own).
struct SharedState {
    HHOOK hook;              // 0 while no hook is installed
    LONG volatile count;     // register_hook calls not yet matched by unregister_hook
    HWND listView;           // the shell's desktop list view; 0 until found
    COLORREF textColor;      // caption colour
};

static struct SharedState shared __attribute__((section("TSL_HOOK"), shared)) = {
    NULL, 0, NULL, RGB(255, 255, 255),
};

static HINSTANCE instance;
// In the process that set the hook: that hook, and the thread it was set for. A restarted
// shell's list view lives on another thread, which only this process can hook again.
static HHOOK ownHook;
static DWORD hookedThread;

static BOOL HasClass(HWND window, const char* name)
{
    char found[32];
    return GetClassNameA(window, found, sizeof found) > 0 && lstrcmpA(found, name) == 0;
}

// The same shape as FindDesktopListView, read upwards from one window without enumerating.
static BOOL IsDesktopListView(HWND window)
{
    if (!HasClass(window, "SysListView32"))
        return FALSE;
    HWND defView = GetParent(window);
    if (defView == NULL || !HasClass(defView, "SHELLDLL_DefView"))
        return FALSE;
    HWND top = GetParent(defView);
    return top != NULL && GetParent(top) == NULL
           && (HasClass(top, "Progman") || HasClass(top, "WorkerW"));
}

// A handle whose window is gone (the shell restarted) could name some other window once
// the number is reused, so it is looked up again like a missing one.
static HWND CurrentListView(void)
{
    if (shared.listView == NULL || !IsWindow(shared.listView))
        shared.listView = FindDesktopListView();
    return shared.listView;
}

static void ApplyCaptionColors(HWND listView)
{
    SendMessageA(listView, LVM_SETTEXTBKCOLOR, 0, (LPARAM)CLR_NONE);
    SendMessageA(listView, LVM_SETTEXTCOLOR, 0, (LPARAM)shared.textColor);
}

BOOL WINAPI DllEntry(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    CurrentListView();
    if (reason == DLL_PROCESS_ATTACH)
        instance = module;
    return TRUE;
}

LRESULT CALLBACK hook_proc(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* message = (const CWPSTRUCT*)lParam;
    if (code >= 0 && message->message == WM_PAINT) {
        // This runs for every sent message in every process: while the stored view is
        // gone, only the painted window itself is checked, never the whole desktop.
        if (message->hwnd != shared.listView && !IsWindow(shared.listView)
            && IsDesktopListView(message->hwnd))
            shared.listView = message->hwnd;
        if (message->hwnd == shared.listView)
            ApplyCaptionColors(message->hwnd);
    }
    return CallNextHookEx(shared.hook, code, wParam, lParam);
}

// Sets a hook on the list view's thread and makes it the shared one if that still is
// `expected`, removing the one it replaces; otherwise the shared hook stays as it is.
static void HookThreadOf(HWND listView, HHOOK expected)
{
    const DWORD thread = GetWindowThreadProcessId(listView, NULL);
    HHOOK hook = thread != 0 ? SetWindowsHookExA(WH_CALLWNDPROC, hook_proc, instance, thread)
                             : NULL;
    if (hook == NULL)
        return;
    // Another copy of the program may have set one meanwhile: keep only one.
    if (InterlockedCompareExchangePointer((PVOID volatile*)&shared.hook, hook, expected)
        != expected) {
        UnhookWindowsHookEx(hook);
        return;
    }
    if (expected != NULL)
        UnhookWindowsHookEx(expected);
    ownHook = hook;
    hookedThread = thread;
}

int WINAPI complusion(void)
{
    if (shared.hook == NULL)
        return 0;
    HWND listView = CurrentListView();
    if (listView == NULL)
        return 0;
    if (ownHook == shared.hook && GetWindowThreadProcessId(listView, NULL) != hookedThread)
        HookThreadOf(listView, ownHook);
    ApplyCaptionColors(listView);
    return InvalidateRect(listView, NULL, TRUE);
}

int WINAPI register_hook(void)
{
    if (shared.hook == NULL) {
        HWND listView = CurrentListView();
        if (listView != NULL)
            HookThreadOf(listView, NULL);
        complusion();
        if (shared.hook == NULL)
            return 0;
    }
    InterlockedIncrement(&shared.count);
    return 1;
}

int WINAPI unregister_hook(void)
{
    LONG count = shared.count;
    for (;;) {
        if (count == 0)
            return 1;
        const LONG seen = InterlockedCompareExchange(&shared.count, count - 1, count);
        if (seen == count)
            break;
        count = seen;
    }
    if (count > 1)
        return 1;
    const BOOL removed = UnhookWindowsHookEx(shared.hook);
    if (removed) {
        if (ownHook == shared.hook)
            ownHook = NULL;
        shared.hook = NULL;
        OutputDebugStringA("Unregister Hook\n");
    }
    return removed;
}

COLORREF WINAPI set_text_color(COLORREF color)
{
    shared.textColor = color;
    return color;
}
