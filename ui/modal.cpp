// ui/modal.cpp — showing a window modally
#include "ui/modal.h"

namespace ui {

void runModal(HWND window, HWND owner, const bool& done, bool dialogKeys) {
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG m;
    while (!done) {
        const BOOL got = GetMessageA(&m, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        if (got < 0) break;
        if (dialogKeys && IsWindow(window) && IsDialogMessageA(window, &m)) continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    // the owner comes back before the window goes, so the activation returns to it
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (IsWindow(window)) ShowWindow(window, SW_HIDE);
}

void FocusKeeper::onActivate(HWND window, bool active, HWND fallback) {
    if (!active) {
        if (HWND f = GetFocus(); f && IsChild(window, f)) focus_ = f;
        return;
    }
    SetFocus(focus_ && IsChild(window, focus_) ? focus_ : fallback);
}

} // namespace ui
