// ui/gdi.h — device contexts and what is selected into them, each released by its scope
#pragma once
#include <windows.h>

#include "ui/errors.h"
#include "ui/unique.h"

namespace ui {

// A device context of our own (CreateCompatibleDC, CreateDCA): DeleteDC when it goes.
struct DcTraits {
    static HDC invalid() { return nullptr; }
    static void close(HDC h) { DeleteDC(h); }
};
using UniqueDC = Unique<DcTraits>;

// A memory device context compatible with `like` (nullptr: the screen); throws AppError when
// none can be made.
inline UniqueDC memoryDC(HDC like) {
    UniqueDC dc{CreateCompatibleDC(like)};
    if (!dc) throwLastError();
    return dc;
}

// GetDC/ReleaseDC: the client area of a window, or with no window the screen.
class WindowDC {
public:
    explicit WindowDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {
        if (!dc_) throwLastError(ERROR_DC_NOT_FOUND);
    }
    ~WindowDC() { ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint, for WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ~PaintDC() { EndPaint(window_, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// SelectObject for a scope: the object selected before comes back at its end.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selection() {
        if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// SaveDC/RestoreDC: every selection, colour and mode set in the scope is undone at its end.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDC() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

} // namespace ui
