// glyvarin/conversion.cpp — converting a document in the program's rich-edit control
//
// Rewriting the control one character at a time is far too slow on large documents (every edit
// costs the control a layout pass), so the text is read once, converted in memory and written
// back stretch by stretch: each stretch is cut where the character format changes (the control's
// own RTF of the stretch shows where), and each piece of one format is replaced in one step, so
// it keeps that format exactly.
#include "glyvarin/conversion.h"

#include "glyvarin/plan.h"
#include "glyvarin/richtext.h"

#include <commctrl.h>

#include <vector>

namespace glyvarin {
namespace {

constexpr std::size_t kMaxStretch = 4096; // characters replaced in one step at most
constexpr ULONGLONG kPumpEveryMs = 30;     // how often pending messages are handled
const char kOldProc[] = "GlyvarinPuvodniProc";

bool gRunning = false;

std::optional<char16_t> decodeAnsi(unsigned char b) {
    const char c = static_cast<char>(b);
    wchar_t w = 0;
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &c, 1, &w, 1) != 1) return std::nullopt;
    return static_cast<char16_t>(w);
}

void setStatus(HWND statusBar, const std::string& text) {
    if (statusBar && IsWindow(statusBar))
        SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool isInput(UINT m) {
    return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ||
           (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK);
}

// Keeps the window that holds the control from changing or closing it while the conversion
// runs: the top-level window is disabled (no input reaches it or its children), its posted
// commands and close requests are held back, and a close sent to the window or one of the
// control's ancestors is remembered instead of done. All of it is delivered when this ends.
class Lockout {
public:
    explicit Lockout(HWND control) : top_(GetAncestor(control, GA_ROOT)), focus_(GetFocus()) {
        topWasEnabled_ = top_ && IsWindowEnabled(top_);
        for (HWND h = GetParent(control); h; h = GetParent(h)) guard(h);
        if (topWasEnabled_) EnableWindow(top_, FALSE);
        gLockout = this;
    }
    ~Lockout() {
        gLockout = nullptr;
        for (auto it = guarded_.rbegin(); it != guarded_.rend(); ++it) unguard(*it);
        if (topWasEnabled_ && IsWindow(top_)) EnableWindow(top_, TRUE);
        if (focus_ && IsWindow(focus_)) SetFocus(focus_);
        for (const MSG& m : held_)
            if (IsWindow(m.hwnd)) PostMessageA(m.hwnd, m.message, m.wParam, m.lParam);
        if (quit_) PostQuitMessage(quitCode_);
    }
    Lockout(const Lockout&) = delete;
    Lockout& operator=(const Lockout&) = delete;

    // Handles the messages waiting now (a bounded number, so a window that keeps posting cannot
    // hold the conversion up).
    void pump() {
        MSG m;
        for (int n = 0; n < 500 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++n) {
            if (m.message == WM_QUIT) {
                quit_ = true;
                quitCode_ = static_cast<int>(m.wParam);
                continue;
            }
            if (holdBack(m)) continue;
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }

private:
    bool inLockedWindow(HWND h) const { return h && top_ && (h == top_ || IsChild(top_, h)); }

    bool holdBack(const MSG& m) {
        if (!inLockedWindow(m.hwnd)) return false;
        if (isInput(m.message)) return true; // dropped: the window is disabled anyway
        switch (m.message) {
        case WM_COMMAND:
        case WM_SYSCOMMAND:
        case WM_CLOSE:
        case WM_DROPFILES:
            held_.push_back(m);
            return true;
        }
        return false;
    }

    void guard(HWND h) {
        if (GetPropA(h, kOldProc)) return;
        const auto old = SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(closeGuard));
        if (!old) return;
        SetPropA(h, kOldProc, reinterpret_cast<HANDLE>(old));
        guarded_.push_back(h);
    }
    static void unguard(HWND h) {
        if (!IsWindow(h)) return;
        const auto old = reinterpret_cast<LONG_PTR>(GetPropA(h, kOldProc));
        // only when nobody subclassed the window after us; else closeGuard passes everything on
        if (old && GetWindowLongPtrA(h, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(closeGuard)) {
            SetWindowLongPtrA(h, GWLP_WNDPROC, old);
            RemovePropA(h, kOldProc);
        }
    }

    static LRESULT CALLBACK closeGuard(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        const auto old = reinterpret_cast<WNDPROC>(GetPropA(h, kOldProc));
        if (gLockout) {
            const bool close = msg == WM_CLOSE || (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_CLOSE);
            if (close) {
                gLockout->held_.push_back(MSG{h, WM_CLOSE, 0, 0, 0, {}});
                return 0;
            }
            if (msg == WM_QUERYENDSESSION) return FALSE;
        }
        if (msg == WM_NCDESTROY) RemovePropA(h, kOldProc);
        return old ? CallWindowProcA(old, h, msg, wp, lp) : DefWindowProcA(h, msg, wp, lp);
    }

    static inline Lockout* gLockout = nullptr;
    HWND top_;
    HWND focus_;
    bool topWasEnabled_ = false;
    std::vector<HWND> guarded_;
    std::vector<MSG> held_;
    bool quit_ = false;
    int quitCode_ = 0;
};

// Writes the converted text back into the control, piece by piece of one format.
class Rewriter {
public:
    Rewriter(RichText& re, long base, const std::u16string& before, const std::u16string& after)
        : re_(re), base_(base), before_(before), after_(after) {}

    void rewrite(const Stretch& s) {
        re_.select(pos(s.from), pos(s.to));
        const RtfRuns runs = readRtfRuns(re_.selectionRtf());
        const std::u16string_view expected = std::u16string_view(before_).substr(s.from, s.to - s.from);
        if (!sameText(runs.text, expected)) {
            // the control wrote something this reader does not follow: go character by character
            oneByOne(s.from, s.to);
            return;
        }
        std::size_t start = s.from;
        for (std::size_t b : runs.breaks) {
            piece(start, s.from + b);
            start = s.from + b;
        }
        piece(start, s.to);
    }

private:
    long pos(std::size_t i) const { return base_ + static_cast<long>(i); }
    bool changed(std::size_t i) const { return before_[i] != after_[i]; }

    // [from, to) has one format as far as the RTF shows; the control's own comparison confirms
    // it (it also compares what RTF does not carry, such as links) before it is replaced.
    void piece(std::size_t from, std::size_t to) {
        while (from < to && !changed(from)) ++from;
        while (to > from && !changed(to - 1)) --to;
        if (from == to) return;
        re_.select(pos(from), pos(to));
        if (to - from > 1 && !uniform()) {
            oneByOne(from, to);
            return;
        }
        replaceSelected(from, to);
    }

    bool uniform() {
        const DWORD mask = re_.selectionFormat().dwMask;
        return (mask & fullMask()) == fullMask();
    }

    // What the control reports as consistent for a single character: everything it knows.
    DWORD fullMask() {
        if (!fullMask_) {
            const CHARRANGE keep = re_.selection();
            re_.select(keep.cpMin, keep.cpMin + 1);
            fullMask_ = re_.selectionFormat().dwMask;
            re_.select(keep.cpMin, keep.cpMax);
        }
        return fullMask_;
    }

    void oneByOne(std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            if (!changed(i)) continue;
            re_.select(pos(i), pos(i + 1));
            replaceSelected(i, i + 1);
        }
    }

    // The selection is [from, to). A replacement starting "{\" would be read as rich text, so
    // its first character goes alone.
    void replaceSelected(std::size_t from, std::size_t to) {
        const std::u16string_view text = std::u16string_view(after_).substr(from, to - from);
        if (text.size() > 1 && text[0] == u'{' && text[1] == u'\\') {
            re_.select(pos(from), pos(from + 1));
            re_.replaceSelection(text.substr(0, 1));
            re_.select(pos(from + 1), pos(to));
            re_.replaceSelection(text.substr(1));
            return;
        }
        re_.replaceSelection(text);
    }

    RichText& re_;
    long base_;
    const std::u16string& before_;
    const std::u16string& after_;
    DWORD fullMask_ = 0;
};

// Redraw and notifications off while the control is rewritten; on the way out the selection and
// the scroll position come back, the document is marked as modified, the control is repainted
// and its parent hears of the change.
class QuietControl {
public:
    QuietControl(RichText& re, CHARRANGE selection)
        : re_(re), selection_(selection), scroll_(re.scrollPos()), mask_(re.eventMask()) {
        re_.setEventMask(0);
        re_.setRedraw(false);
    }
    ~QuietControl() {
        if (!IsWindow(re_.hwnd())) return;
        re_.select(selection_.cpMin, selection_.cpMax);
        re_.setScrollPos(scroll_);
        re_.emptyUndo();
        re_.setModified(); // Wine: replacing without an undo record leaves the flag as it was
        re_.setEventMask(mask_);
        re_.setRedraw(true);
        if (mask_ & ENM_CHANGE) {
            const HWND h = re_.hwnd();
            SendMessageA(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), EN_CHANGE),
                         reinterpret_cast<LPARAM>(h));
        }
    }
    QuietControl(const QuietControl&) = delete;
    QuietControl& operator=(const QuietControl&) = delete;

private:
    RichText& re_;
    CHARRANGE selection_;
    POINT scroll_;
    DWORD mask_;
};

struct Running {
    Running() { gRunning = true; }
    ~Running() { gRunning = false; }
};

} // namespace

bool conversionRunning() { return gRunning; }

void convertDocument(HWND statusBar, HWND richEdit, const LookupMap& map, const std::string& startText,
                     const std::string& endText) {
    if (gRunning) return;
    const Running running;
    setStatus(statusBar, startText);
    if (!richEdit || !IsWindow(richEdit)) return;
    RichText re(richEdit);
    if (re.lineCount() == 0) return;

    const CHARRANGE sel = re.selection();
    const bool selection = sel.cpMax != sel.cpMin;
    const long base = selection ? sel.cpMin : 0;
    const std::u16string before = selection ? re.selectedText() : re.text();
    const std::u16string after = WideLookup(map, decodeAnsi).convert(before);
    const std::vector<Stretch> stretches = planStretches(before, after, kMaxStretch);

    if (!stretches.empty()) {
        Lockout lock(richEdit);
        {
            QuietControl quiet(re, selection ? sel : CHARRANGE{sel.cpMin, sel.cpMin});
            Rewriter rewriter(re, base, before, after);
            ULONGLONG lastPump = GetTickCount64();
            for (const Stretch& s : stretches) {
                if (GetTickCount64() - lastPump >= kPumpEveryMs) {
                    lock.pump();
                    lastPump = GetTickCount64();
                    if (!IsWindow(richEdit)) return; // the control is gone: nothing left to write
                }
                rewriter.rewrite(s);
            }
        }
    }
    setStatus(statusBar, endText);
}

} // namespace glyvarin
