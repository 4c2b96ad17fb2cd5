#pragma once
#include <windows.h>

#include <ostream>

// Stand-ins for the shell's desktop: a top-level "Progman" window titled "Program
// Manager" with a "SHELLDLL_DefView" child holding a real list view, plus a second list
// view elsewhere. Create it before the hook library is loaded (or announce it to a loaded
// library with a new thread), since the library looks the desktop up in its entry point.
class DesktopWindows {
public:
    DesktopWindows();
    ~DesktopWindows();
    DesktopWindows(const DesktopWindows&) = delete;
    DesktopWindows& operator=(const DesktopWindows&) = delete;

    HWND ListView() const noexcept { return listView_; }
    HWND OtherListView() const noexcept { return otherListView_; }
    HWND DefView() const noexcept { return defView_; }
    // Destroys the desktop list view and creates a new one in its place.
    void ReplaceListView();

private:
    HWND progman_ = nullptr;
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
