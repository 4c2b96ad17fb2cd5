#include "tests/support/MessageBoxWatcher.h"

#include <windows.h>

#include <algorithm>

namespace {

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && lstrcmpA(className, "#32770") == 0
        && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

// WM_GETTEXT in UTF-16 is marshalled between processes; the result is turned into
// code page 932 bytes for comparison with the program's literals.
std::string WindowText(HWND window)
{
    wchar_t wide[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide),
                        SMTO_ABORTIFHUNG, 2000, &length);
    char text[2048] = {};
    WideCharToMultiByte(932, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param)
{
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0)
        *reinterpret_cast<std::string*>(param) += WindowText(child);
    return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(unsigned long processId, int answer)
    : processId_(processId != 0 ? processId : GetCurrentProcessId()), answer_(answer),
      thread_([this] { Watch(); })
{
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    stop_ = true;
    thread_.join();
}

std::vector<MessageBoxWatcher::Box> MessageBoxWatcher::Boxes() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}

void MessageBoxWatcher::Watch()
{
    std::vector<HWND> handled;
    while (!stop_) {
        Search search{processId_, {}};
        EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
        for (HWND box : search.found) {
            if (std::find(handled.begin(), handled.end(), box) != handled.end())
                continue;
            handled.push_back(box);
            Box seen;
            seen.caption = WindowText(box);
            EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen.text));
            {
                std::lock_guard<std::mutex> lock(mutex_);
                boxes_.push_back(seen);
            }
            PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answer_), 0);
        }
        Sleep(20);
    }
}
