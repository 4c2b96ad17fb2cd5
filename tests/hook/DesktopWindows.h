#pragma once
#include <windows.h>

#include <ostream>

// Where the shell keeps its "SHELLDLL_DefView": under Progman, or under a top-level WorkerW
// (newer shells, with Progman still there and an empty WorkerW above the one that holds it).
enum class DesktopParent { Progman, WorkerW };

// Stand-ins for the shell's desktop: a top-level "Progman" window titled "Program
// Manager", a "SHELLDLL_DefView" holding a real list view with one item, plus a second list
// view elsewhere. Create it before the hook library is loaded (or announce it to a loaded
// library with a new thread), since the library looks the desktop up in its entry point.
class DesktopWindows {
public:
    explicit DesktopWindows(DesktopParent parent = DesktopParent::Progman);
    ~DesktopWindows();
    DesktopWindows(const DesktopWindows&) = delete;
    DesktopWindows& operator=(const DesktopWindows&) = delete;

    HWND ListView() const noexcept { return listView_; }
    HWND OtherListView() const noexcept { return otherListView_; }
    HWND DefView() const noexcept { return defView_; }
    // The top-level window that holds the view.
    HWND Top() const noexcept { return GetParent(defView_); }
    // Destroys the desktop list view and creates a new one in its place.
    void ReplaceListView();

private:
    HWND progman_ = nullptr;
    HWND worker_ = nullptr;
    HWND emptyWorker_ = nullptr;
    HWND defView_ = nullptr;
    HWND listView_ = nullptr;
    HWND other_ = nullptr;
    HWND otherListView_ = nullptr;
};

// The list view's caption colours, and setting them by hand.
struct CaptionColors {
    COLORREF text;
    COLORREF background;
    bool operator==(const CaptionColors& other) const
    {
        return text == other.text && background == other.background;
    }
};
inline void PrintTo(const CaptionColors& colors, std::ostream* out)
{
    *out << std::hex << "{text 0x" << colors.text << ", background 0x" << colors.background
         << "}" << std::dec;
}
CaptionColors GetCaptionColors(HWND listView);
void SetCaptionColors(HWND listView, CaptionColors colors);

// Runs one thread to its end, so every loaded library sees a thread attach.
void AttachThread();
