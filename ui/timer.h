// ui/timer.h — a window-message timer that owns its ID: stopped when it goes out of scope
#pragma once
#include <windows.h>

#include "ui/errors.h"

namespace ui {

class Timer {
public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer() { stop(); }

    // The window that receives WM_TIMER with `id` as its wParam.
    void attach(HWND window, UINT_PTR id) {
        stop();
        window_ = window;
        id_ = id;
    }
    // Ticks every `ms` milliseconds from now on. An interval of 0 or less produces no ticks
    // (Win32 would turn 0 into its shortest interval). Throws AppError when Win32 refuses.
    void start(int ms) {
        stop();
        if (ms <= 0 || !window_) return;
        if (!SetTimer(window_, id_, static_cast<UINT>(ms), nullptr)) throwLastError();
        running_ = true;
    }
    void stop() {
        if (running_) KillTimer(window_, id_);
        running_ = false;
    }
    bool running() const { return running_; }
    UINT_PTR id() const { return id_; }

private:
    HWND window_ = nullptr;
    UINT_PTR id_ = 0;
    bool running_ = false;
};

} // namespace ui
