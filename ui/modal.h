// ui/modal.h — showing a window modally: its owner is disabled and a nested loop runs until done
#pragma once
#include <windows.h>

namespace ui {

// Shows `window` and runs the messages of this thread until `done` becomes true (a handler
// that runs inside the loop sets it). `owner` is disabled meanwhile and enabled again after.
// With `dialogKeys`, Tab moves between the window's controls, Enter and Escape send IDOK and
// IDCANCEL. A WM_QUIT ends the loop and is posted again for the outer loop.
void runModal(HWND window, HWND owner, const bool& done, bool dialogKeys);

} // namespace ui
