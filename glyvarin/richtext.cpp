// glyvarin/richtext.cpp — the program's rich-edit control as the converter uses it
#include "glyvarin/richtext.h"

#include "ui/richedit.h"

namespace glyvarin {
namespace {

constexpr UINT kUtf16 = 1200; // the code page value the rich-edit text messages take for UTF-16

DWORD CALLBACK appendRtf(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* put) {
    try {
        reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buf),
                                                       static_cast<std::size_t>(cb));
        *put = cb;
        return 0;
    } catch (...) {
        return 1;
    }
}

} // namespace

int RichText::lineCount() const {
    int n = static_cast<int>(SendMessageA(hwnd_, EM_GETLINECOUNT, 0, 0));
    if (n <= 0) return 0;
    const LRESULT lastStart = SendMessageA(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(n - 1), 0);
    if (lastStart >= 0 && SendMessageA(hwnd_, EM_LINELENGTH, static_cast<WPARAM>(lastStart), 0) == 0) --n;
    return n;
}

CHARRANGE RichText::selection() const {
    CHARRANGE cr{};
    SendMessageA(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    return cr;
}

void RichText::select(long from, long to) {
    CHARRANGE cr{from, to};
    SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

std::u16string RichText::text() const { return ui::controlText<char16_t>(hwnd_); }

std::u16string RichText::selectedText() const { return ui::controlText<char16_t>(hwnd_, true); }

CHARFORMAT2A RichText::selectionFormat() const {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    SendMessageA(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
}

std::string RichText::selectionRtf() const {
    std::string out;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&out), 0, appendRtf};
    SendMessageA(hwnd_, EM_STREAMOUT, SF_RTF | SFF_SELECTION, reinterpret_cast<LPARAM>(&es));
    if (es.dwError != 0) out.clear();
    return out;
}

void RichText::replaceSelection(std::u16string_view text) {
    // EM_SETTEXTEX takes UTF-16 even from an ANSI window, so characters outside the ANSI code
    // page survive; without ST_KEEPUNDO the change is not undoable.
    std::u16string z(text);
    SETTEXTEX st{ST_SELECTION, kUtf16};
    SendMessageA(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&st), reinterpret_cast<LPARAM>(z.c_str()));
}

DWORD RichText::eventMask() const { return static_cast<DWORD>(SendMessageA(hwnd_, EM_GETEVENTMASK, 0, 0)); }
void RichText::setEventMask(DWORD mask) { SendMessageA(hwnd_, EM_SETEVENTMASK, 0, mask); }

POINT RichText::scrollPos() const {
    POINT p{};
    SendMessageA(hwnd_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&p));
    return p;
}
void RichText::setScrollPos(POINT p) { SendMessageA(hwnd_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&p)); }

void RichText::setRedraw(bool on) {
    SendMessageA(hwnd_, WM_SETREDRAW, on, 0);
    if (on) InvalidateRect(hwnd_, nullptr, TRUE);
}

void RichText::emptyUndo() { SendMessageA(hwnd_, EM_EMPTYUNDOBUFFER, 0, 0); }
void RichText::setModified() { SendMessageA(hwnd_, EM_SETMODIFY, TRUE, 0); }

} // namespace glyvarin
