#pragma once
#include "win32/UniqueHandle.h"

#include <windows.h>

// What tells the resident run that the screen may have changed: a new mode or set of monitors
// (WM_DISPLAYCHANGE), and, since a laptop can be docked or undocked while asleep or locked,
// a resume and an unlock. Such notices come in bursts (several within a second while
// docking): each one starts the settle timer again, so the screen is followed once, after it
// has been quiet. The timer also runs once from the start. Nothing runs at idle.
class CScreenWatch {
public:
    explicit CScreenWatch(HWND window);
    ~CScreenWatch();
    CScreenWatch(const CScreenWatch&) = delete;
    CScreenWatch& operator=(const CScreenWatch&) = delete;

    // True when the message is such a notice; the settle timer then runs from now.
    bool Notice(UINT message, WPARAM wParam);
    // True when the timer is the settle timer; it stops, and the screen is to be followed.
    bool Settled(WPARAM timerId);

private:
    void Arm();

    HWND window_;
    UniqueModule sessions_;
    bool registered_ = false;
};
