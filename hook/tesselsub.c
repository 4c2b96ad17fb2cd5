// Caption colour hook: keeps the desktop icon captions without a background box and in
// the chosen colour. The library is mapped into every process the hook reaches, so it
// runs without the C runtime, allocates nothing and never blocks beyond window look-ups.
#include <windows.h>
#include <commctrl.h>

// One copy for every process that maps the library, in this order (16 bytes).
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

static HWND FindDesktopListView(void)
{
    HWND progman = FindWindowA("Progman", "Program Manager");
    HWND defView = FindWindowExA(progman, NULL, "SHELLDLL_DefView", NULL);
    return FindWindowExA(defView, NULL, "SysListView32", NULL);
}

static void ApplyCaptionColors(HWND listView)
{
    SendMessageA(listView, LVM_SETTEXTBKCOLOR, 0, (LPARAM)CLR_NONE);
    SendMessageA(listView, LVM_SETTEXTCOLOR, 0, (LPARAM)shared.textColor);
}

BOOL WINAPI DllEntry(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    // A handle whose window is gone (the shell restarted) could name some other window
    // once the number is reused, so it is looked up again like a missing one.
    if (shared.listView == NULL || !IsWindow(shared.listView))
        shared.listView = FindDesktopListView();
    if (reason == DLL_PROCESS_ATTACH)
        instance = module;
    return TRUE;
}

LRESULT CALLBACK hook_proc(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* message = (const CWPSTRUCT*)lParam;
    if (code >= 0 && message->hwnd == shared.listView && message->message == WM_PAINT)
        ApplyCaptionColors(message->hwnd);
    return CallNextHookEx(shared.hook, code, wParam, lParam);
}

int WINAPI complusion(void)
{
    if (shared.hook == NULL || shared.listView == NULL)
        return 0;
    ApplyCaptionColors(shared.listView);
    return InvalidateRect(shared.listView, NULL, TRUE);
}

int WINAPI register_hook(void)
{
    if (shared.hook == NULL) {
        HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, hook_proc, instance, 0);
        // Another copy of the program may have installed one meanwhile: keep only one.
        if (hook != NULL
            && InterlockedCompareExchangePointer((PVOID volatile*)&shared.hook, hook, NULL)
                   != NULL)
            UnhookWindowsHookEx(hook);
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
