// ui/modal.h — showing a window modally: its owner is disabled and a nested loop runs until done
#pragma once
#include <windows.h>

namespace ui {

// Shows `window` and runs the messages of this thread until `done` becomes true (a handler
// that runs inside the loop sets it). `owner` is disabled meanwhile and enabled again after.
// With `dialogKeys`, Tab moves between the window's controls, Enter and Escape send IDOK and
// IDCANCEL. A WM_QUIT ends the loop and is posted again for the outer loop.
void runModal(HWND window, HWND owner, const bool& done, bool dialogKeys);

// The focus of a modal window's controls across activations: the control that had the focus
// when the window was left gets it back when the window is active again.
class FocusKeeper {
public:
    // The control that gets the focus when the window is first activated.
    void start(HWND first) { focus_ = first; }
    // WM_ACTIVATE of `window`; `fallback` gets the focus when the kept control is gone.
    void onActivate(HWND window, bool active, HWND fallback);

private:
    HWND focus_ = nullptr;
};

} // namespace ui
