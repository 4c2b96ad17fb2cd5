#include "tests/ui/ModalDriver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <vector>

namespace {

constexpr UINT kTickMs = 20;
constexpr int kPatienceTicks = 500;  // 10 s for one step
ModalDriver* g_driver = nullptr;

struct Search {
    std::string caption;
    HWND found = nullptr;
};

std::string Caption(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool IsDialogWindow(HWND window)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window);
}

BOOL CALLBACK MatchCaption(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    if (IsDialogWindow(window) && Caption(window) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct ClassSearch {
    const char* className;
    HWND except;
    HWND found;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<ClassSearch*>(param);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (window != search->except && lstrcmpA(className, search->className) == 0
        && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CloseDialog(HWND window, LPARAM)
{
    if (IsDialogWindow(window))
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

ModalDriver::ModalDriver()
{
    g_driver = this;
    timer_ = SetTimer(nullptr, 0, kTickMs, OnTimer);
}

ModalDriver::~ModalDriver()
{
    KillTimer(nullptr, timer_);
    g_driver = nullptr;
    EXPECT_TRUE(steps_.empty() && !abandoned_) << steps_.size() << " steps never ran";
}

ModalDriver& ModalDriver::Then(Step step)
{
    steps_.push_back(std::move(step));
    return *this;
}

ModalDriver& ModalDriver::Do(std::function<void()> action)
{
    return Then([action] {
        action();
        return true;
    });
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_driver != nullptr)
        g_driver->Tick();
}

void ModalDriver::Tick()
{
    if (running_)
        return;
    if (abandoned_) {
        // Closes whatever is left open so the test can end and report.
        EnumThreadWindows(GetCurrentThreadId(), CloseDialog, 0);
        return;
    }
    if (steps_.empty())
        return;
    running_ = true;
    const bool done = steps_.front()();
    running_ = false;
    if (done) {
        steps_.pop_front();
        waitedTicks_ = 0;
    } else if (++waitedTicks_ > kPatienceTicks) {
        ADD_FAILURE() << "a driver step waited too long";
        abandoned_ = true;
    }
}

HWND FindDialog(const std::string& caption)
{
    Search search{caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindThreadWindow(const char* className, HWND except)
{
    ClassSearch search{className, except, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindSheet()
{
    return FindDialog("Tesselwane設定");
}

HWND CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void SelectPage(HWND sheet, int index)
{
    SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void PressSheetButton(HWND sheet, int button)
{
    PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

void Click(HWND dialog, int id)
{
    if (const HWND button = GetDlgItem(dialog, id))
        SendMessageA(button, BM_CLICK, 0, 0);
    else
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void PostClick(HWND dialog, int id)
{
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PressEsc(HWND dialog, int id)
{
    PostMessageA(GetDlgItem(dialog, id), WM_KEYDOWN, VK_ESCAPE, 0);
}

ModalDriver::Step AnswerErrorBox(std::vector<std::string>& texts)
{
    return [&texts] {
        const HWND box = FindDialog("エラー");
        if (box == nullptr)
            return false;
        char text[512] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        texts.emplace_back(text);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return true;
    };
}

void Notify(HWND dialog, int id, int code)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetText(HWND dialog, int id, const std::string& text)
{
    SetDlgItemTextA(dialog, id, text.c_str());
}

std::string Text(HWND dialog, int id)
{
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

void SelectLine(HWND dialog, int id, int index)
{
    SendDlgItemMessageA(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Notify(dialog, id, LBN_SELCHANGE);
}

std::vector<std::string> Lines(HWND dialog, int id)
{
    std::vector<std::string> lines;
    const LRESULT count = SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::vector<char> text(
            static_cast<size_t>(SendDlgItemMessageA(dialog, id, LB_GETTEXTLEN, i, 0)) + 1);
        SendDlgItemMessageA(dialog, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        lines.emplace_back(text.data());
    }
    return lines;
}
