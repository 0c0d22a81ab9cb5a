// ui/richedit_paste.cpp — the paste guard of the rich-edit control: RTF from the clipboard is
// shown to the control's owner before the control reads it
#include "ui/richedit.h"

#include <commctrl.h>

#include "ui/errors.h"

#include <cstring>

namespace ui {
namespace {

// The clipboard formats the control reads as RTF.
const UINT* rtfFormats() {
    static const UINT formats[] = {RegisterClipboardFormatA(CF_RTF), RegisterClipboardFormatA(CF_RTFNOOBJS),
                                   RegisterClipboardFormatA("RTF As Text"), 0};
    return formats;
}

bool isRtfFormat(UINT format) {
    for (const UINT* f = rtfFormats(); *f; ++f)
        if (*f == format) return true;
    return false;
}

bool keyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The control's own paste keys, which it handles without a WM_PASTE.
bool isPasteKey(WPARAM key) {
    if (keyDown(VK_MENU)) return false;
    return (key == 'V' && keyDown(VK_CONTROL)) || (key == VK_INSERT && keyDown(VK_SHIFT) && !keyDown(VK_CONTROL));
}

} // namespace

bool RichEdit::pasteAllowed(UINT format) const {
    if (!pasteCheck_ || (format != 0 && !isRtfFormat(format))) return true;
    if (!OpenClipboard(hwnd_)) return false; // unread: only plain text may go
    bool allowed = true;
    for (const UINT* f = rtfFormats(); *f && allowed; ++f) {
        if (format != 0 && format != *f) continue;
        HGLOBAL h = GetClipboardData(*f);
        const void* p = h ? GlobalLock(h) : nullptr;
        if (!p) continue;
        const char* bytes = static_cast<const char*>(p);
        // the control reads up to the first zero byte, and never past the block
        const std::size_t size = GlobalSize(h);
        const void* zero = std::memchr(bytes, 0, size);
        const std::string rtf(bytes, zero ? static_cast<const char*>(zero) - bytes : size);
        GlobalUnlock(h);
        CloseClipboard(); // the check may show a message box
        allowed = guarded([&] { return pasteCheck_(rtf); }, false);
        if (!OpenClipboard(hwnd_)) return allowed;
    }
    CloseClipboard();
    return allowed;
}

LRESULT CALLBACK RichEdit::controlProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    auto* edit = reinterpret_cast<RichEdit*>(self);
    switch (msg) {
    case WM_KEYDOWN:
        if (!isPasteKey(wp)) break;
        SendMessageA(h, WM_PASTE, 0, 0);
        return 0;
    case WM_PASTE:
        if (edit->pasteAllowed(0)) break;
        return DefSubclassProc(h, EM_PASTESPECIAL, CF_UNICODETEXT, 0);
    case EM_PASTESPECIAL:
        if (edit->pasteAllowed(static_cast<UINT>(wp))) break;
        return DefSubclassProc(h, EM_PASTESPECIAL, CF_UNICODETEXT, 0);
    case WM_NCDESTROY: RemoveWindowSubclass(h, controlProc, 1); break;
    }
    return DefSubclassProc(h, msg, wp, lp);
}

} // namespace ui
