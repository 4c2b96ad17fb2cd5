#include "tests/hook/DesktopWindows.h"

#include <commctrl.h>

#include <thread>

namespace {

constexpr char kOtherClass[] = "TesselTestTopLevel";

void RegisterPlainClass(const char* name)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

// Children are visible, so a shown top-level window paints them.
HWND Create(const char* className, const char* title, HWND parent)
{
    const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPED;
    return CreateWindowExA(0, className, title, style, 0, 0, 200, 200, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

HWND CreateListView(HWND parent)
{
    const HWND listView = Create(WC_LISTVIEWA, nullptr, parent);
    char text[] = "Tessel";
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.pszText = text;
    SendMessageA(listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return listView;
}

}  // namespace

DesktopWindows::DesktopWindows(DesktopParent parent)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterPlainClass("Progman");
    RegisterPlainClass("SHELLDLL_DefView");
    RegisterPlainClass("WorkerW");
    RegisterPlainClass(kOtherClass);
    progman_ = Create("Progman", "Program Manager", nullptr);
    HWND top = progman_;
    if (parent == DesktopParent::WorkerW) {
        // A new top-level window goes in front, so the empty one is met first.
        worker_ = top = Create("WorkerW", nullptr, nullptr);
        emptyWorker_ = Create("WorkerW", nullptr, nullptr);
    }
    defView_ = Create("SHELLDLL_DefView", nullptr, top);
    listView_ = CreateListView(defView_);
    other_ = Create(kOtherClass, "Other", nullptr);
    otherListView_ = Create(WC_LISTVIEWA, nullptr, other_);
}

void DesktopWindows::ReplaceListView()
{
    DestroyWindow(listView_);
    listView_ = CreateListView(defView_);
}

DesktopWindows::~DesktopWindows()
{
    DestroyWindow(other_);
    DestroyWindow(emptyWorker_);
    DestroyWindow(worker_);
    DestroyWindow(progman_);
}

CaptionColors GetCaptionColors(HWND listView)
{
    return {static_cast<COLORREF>(SendMessageA(listView, LVM_GETTEXTCOLOR, 0, 0)),
            static_cast<COLORREF>(SendMessageA(listView, LVM_GETTEXTBKCOLOR, 0, 0))};
}

void SetCaptionColors(HWND listView, CaptionColors colors)
{
    SendMessageA(listView, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(colors.text));
    SendMessageA(listView, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(colors.background));
}

void AttachThread()
{
    std::thread([] {}).join();
}
