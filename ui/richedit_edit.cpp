// ui/richedit_edit.cpp — the rich-edit wrapper: undo, selection, search and replace
#include "ui/richedit.h"

#include "ui/errors.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

constexpr UINT kUtf16 = 1200; // the code page EM_SETTEXTEX takes for UTF-16 text

std::wstring wide(const std::string& ansi) {
    if (ansi.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), w.data(), n);
    return w;
}

bool wordChar(wchar_t c) { return c == L'_' || IsCharAlphaNumericW(c); }

// The search itself runs over the text rather than by EM_FINDTEXTEX. Wine: the control compares
// without case only within ASCII ("kůň" does not find "KŮŇ"), which would fail nearly every
// Czech search; the system's upper-casing knows every letter.
class Finder {
public:
    Finder(std::wstring text, std::wstring what, DWORD flags)
        : text_(std::move(text)), what_(std::move(what)), flags_(flags) {
        if (!(flags & FR_MATCHCASE)) {
            upper(text_);
            upper(what_);
        }
    }
    // Down: the first match in from..to (-1: the end); up: the last starting in to..from-1.
    std::optional<RichEdit::Match> find(long from, long to) const {
        const long size = static_cast<long>(text_.size()), len = static_cast<long>(what_.size());
        if (!len) return std::nullopt;
        if (flags_ & FR_DOWN) {
            const long end = to < 0 || to > size ? size : to;
            for (size_t at = text_.find(what_, static_cast<size_t>(std::max(from, 0L)));
                 at != std::wstring::npos && static_cast<long>(at) + len <= end; at = text_.find(what_, at + 1))
                if (whole(static_cast<long>(at))) return RichEdit::Match{static_cast<long>(at), static_cast<long>(at) + len};
            return std::nullopt;
        }
        for (long at = std::min(from, size) - 1; at >= std::max(to, 0L); --at) {
            at = static_cast<long>(text_.rfind(what_, static_cast<size_t>(at)));
            if (at < std::max(to, 0L)) break; // npos is -1
            if (whole(at)) return RichEdit::Match{at, at + len};
        }
        return std::nullopt;
    }

private:
    static void upper(std::wstring& s) {
        if (!s.empty()) CharUpperBuffW(s.data(), static_cast<DWORD>(s.size()));
    }
    bool whole(long at) const {
        if (!(flags_ & FR_WHOLEWORD)) return true;
        const size_t end = static_cast<size_t>(at) + what_.size();
        return (at == 0 || !wordChar(text_[static_cast<size_t>(at) - 1])) && (end >= text_.size() || !wordChar(text_[end]));
    }
    std::wstring text_, what_;
    DWORD flags_;
};

void selectIn(HWND control, long from, long to) {
    CHARRANGE cr{from, to};
    SendMessageW(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

// A rich-edit control that is never shown: the text between the first and the last match is
// reworked there, so that the document takes the result in one undoable step.
class Scratch : Pinned {
public:
    Scratch()
        : hwnd_(CreateWindowExA(0, RICHEDIT_CLASSA, "", ES_MULTILINE, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr)) {
        if (!hwnd_) throwLastError();
        SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
    }
    ~Scratch() { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_;
};

} // namespace

template <class Char> std::basic_string<Char> controlText(HWND control, bool selectionOnly) {
    static_assert(sizeof(Char) == 2, "UTF-16 units");
    LRESULT length = 0;
    if (selectionOnly) {
        CHARRANGE cr{};
        SendMessageW(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
        length = cr.cpMax > cr.cpMin ? cr.cpMax - cr.cpMin : 0;
    } else {
        GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, kUtf16};
        length = std::max<LRESULT>(0, SendMessageW(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0));
    }
    std::basic_string<Char> text(static_cast<size_t>(length) + 2, Char{}); // and the terminating zero
    GETTEXTEX gt{};
    gt.cb = static_cast<DWORD>(text.size() * sizeof(Char));
    gt.flags = selectionOnly ? GT_SELECTION : GT_DEFAULT;
    gt.codepage = kUtf16;
    const auto got = SendMessageW(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt),
                                  reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
    return text;
}
template std::wstring controlText<wchar_t>(HWND, bool);
template std::u16string controlText<char16_t>(HWND, bool);

bool RichEdit::canUndo() const { return SendMessageA(hwnd_, EM_CANUNDO, 0, 0) != 0; }
bool RichEdit::canRedo() const { return SendMessageA(hwnd_, EM_CANREDO, 0, 0) != 0; }
void RichEdit::undo() { SendMessageA(hwnd_, EM_UNDO, 0, 0); }
void RichEdit::redo() { SendMessageA(hwnd_, EM_REDO, 0, 0); }
void RichEdit::emptyUndo() { SendMessageA(hwnd_, EM_EMPTYUNDOBUFFER, 0, 0); }
void RichEdit::selectAll() { select(0, -1); }

std::string RichEdit::selectedText() const {
    long from = 0, to = 0;
    selection(from, to);
    std::string s(static_cast<size_t>(to - from) * 2 + 1, '\0'); // a character is at most two bytes
    const auto n = SendMessageA(hwnd_, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(n));
    return s;
}

std::optional<RichEdit::Match> RichEdit::find(const std::string& what, DWORD flags, long from, long to) const {
    return Finder(controlText(hwnd_), wide(what), flags).find(from, to);
}

int RichEdit::replaceAll(const std::string& what, const std::string& with, DWORD flags) {
    flags |= FR_DOWN;
    const std::wstring needle = wide(what), replacement = wide(with);
    std::vector<Match> matches;
    {
        const Finder finder(controlText(hwnd_), needle, flags);
        for (auto m = finder.find(0, -1); m; m = finder.find(m->to, -1)) matches.push_back(*m);
    }
    if (matches.empty()) return 0;
    const long first = matches.front().from, last = matches.back().to;

    // the text from the first match to the last goes through the scratch control, each
    // replacement from the back so that the positions before it stay
    select(first, last);
    Scratch scratch;
    if (!streamIn(scratch.hwnd(), streamOutAs(SF_RTF | SFF_SELECTION), SF_RTF)) throw AppError("Failed to Load Stream");
    SETTEXTEX put{ST_SELECTION, kUtf16};
    for (auto m = matches.rbegin(); m != matches.rend(); ++m) {
        selectIn(scratch.hwnd(), m->from - first, m->to - first);
        // the inserted text takes the format of the text it replaces
        SendMessageW(scratch.hwnd(), EM_SETTEXTEX, reinterpret_cast<WPARAM>(&put),
                     reinterpret_cast<LPARAM>(replacement.c_str()));
    }
    // without the scratch's own last paragraph end, which the piece did not have
    selectIn(scratch.hwnd(), 0, static_cast<long>(controlText(scratch.hwnd()).size()));
    const std::string result = streamOutOf(scratch.hwnd(), SF_RTF | SFF_SELECTION);
    select(first, last);
    // one action of the control: one step of undo
    SETTEXTEX back{ST_SELECTION | ST_KEEPUNDO, CP_ACP};
    SendMessageA(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&back), reinterpret_cast<LPARAM>(result.c_str()));
    setModified(true);
    return static_cast<int>(matches.size());
}

} // namespace ui
