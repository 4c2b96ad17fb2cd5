#pragma once
// Drives this thread's modal sheets and dialogs from a timer: the modal loops dispatch its
// ticks, so each step runs inside the loop of whatever is open. Steps run in order; a step
// that returns false (say, its dialog is not up yet) is tried again on the next tick.
// A step must not open a modal loop itself (post the click instead).
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ModalDriver {
public:
    using Step = std::function<bool()>;

    ModalDriver();
    // Stops the timer; steps still waiting count as a test failure.
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    ModalDriver& Then(Step step);
    // A step that always succeeds.
    ModalDriver& Do(std::function<void()> action);
    bool Finished() const noexcept { return steps_.empty(); }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::deque<Step> steps_;
    UINT_PTR timer_ = 0;
    bool running_ = false;
    int waitedTicks_ = 0;
    bool abandoned_ = false;
};

// A visible top-level dialog of this thread with this caption (code page 932), or null.
HWND FindDialog(const std::string& caption);
// The settings sheet, its page shown now, and switching to page index.
HWND FindSheet();
// The first visible top-level window of this thread of the class, other than except.
HWND FindThreadWindow(const char* className, HWND except = nullptr);
HWND CurrentPage(HWND sheet);
void SelectPage(HWND sheet, int index);
// PSBTN_OK or PSBTN_CANCEL, as a click.
void PressSheetButton(HWND sheet, int button);

// Waits for a message box with the caption "エラー", keeps its text and presses OK.
ModalDriver::Step AnswerErrorBox(std::vector<std::string>& texts);

// Clicks a button (or sends a menu command) synchronously, as the user would; PostClick
// for a button that opens a modal dialog.
void Click(HWND dialog, int id);
void PostClick(HWND dialog, int id);
// Presses Esc on a control of the dialog; the modal loop turns it into IDCANCEL.
void PressEsc(HWND dialog, int id);
// Sends a notification code from a control, as the control itself would.
void Notify(HWND dialog, int id, int code);
void SetText(HWND dialog, int id, const std::string& text);
std::string Text(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
// Selects a line of a list box and tells the dialog, as a click on it would.
void SelectLine(HWND dialog, int id, int index);
std::vector<std::string> Lines(HWND dialog, int id);
