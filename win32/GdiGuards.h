#pragma once
// Scoped pairs of GDI calls: each guard undoes in its destructor what its constructor did.
#include "win32/UniqueHandle.h"

#include <windows.h>

// GetDC/ReleaseDC for a window, or for the screen when the window is null.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window_, &paint_); }

    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

// Selects an object into a device context; the previous object goes back when this ends.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject()
    {
        if (old_ && old_ != HGDI_ERROR)
            SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory device context compatible with reference (null: the screen) with a bitmap selected
// into it, for drawing into the bitmap or copying from it.
class BitmapDc {
public:
    BitmapDc(HDC reference, HGDIOBJ bitmap) noexcept
        : dc_(CreateCompatibleDC(reference)), selected_(dc_.get(), bitmap)
    {
    }

    HDC get() const noexcept { return dc_.get(); }

private:
    // The bitmap is deselected before the context is deleted.
    UniqueMemoryDc dc_;
    SelectedObject selected_;
};
