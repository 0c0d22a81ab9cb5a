// ui/richedit.cpp — the rich-edit control wrapper
#include "ui/richedit.h"

#include <commctrl.h>

#include "ui/errors.h"
#include "ui/window.h"
#include "ui/files.h"
#include "ui/unique.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace ui {
namespace {

struct FileCookie {
    HANDLE file;
    DWORD error = 0; // the system's error when the file could not be read or written
    // RTF: a zero byte at the end of what has come so far, written only if more follows
    bool dropFinalZero = false;
    bool zeroHeld = false;
};

DWORD CALLBACK readFromFile(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* got) {
    auto* c = reinterpret_cast<FileCookie*>(cookie);
    DWORD n = 0;
    if (!ReadFile(c->file, buf, static_cast<DWORD>(cb), &n, nullptr)) return 1;
    *got = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK writeToFile(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* put) {
    auto* c = reinterpret_cast<FileCookie*>(cookie);
    auto write = [c](const void* data, DWORD size) {
        DWORD n = 0;
        if (writeBytes(c->file, data, size, &n) && n == size) return true;
        c->error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
        return false;
    };
    if (cb > 0 && c->zeroHeld) {
        if (!write("", 1)) return 1;
        c->zeroHeld = false;
    }
    DWORD size = static_cast<DWORD>(cb);
    if (c->dropFinalZero && size > 0 && buf[size - 1] == 0) { // Wine: see streamOutOf
        --size;
        c->zeroHeld = true;
    }
    if (size > 0 && !write(buf, size)) return 1;
    *put = cb;
    return 0;
}

DWORD CALLBACK writeToString(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* put) {
    try {
        reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buf),
                                                       static_cast<size_t>(cb));
        *put = cb;
        return 0;
    } catch (...) {
        return 1;
    }
}

struct MemoryCookie {
    std::string_view bytes;
    std::size_t pos;
    // a long load: asked every kReportEvery bytes, with the source's offset of `bytes` and its size
    const LoadProgress* progress = nullptr;
    std::size_t base = 0, total = 0, reported = 0;
    bool stopped = false;
    bool utf16Text = false; // UTF-16 plain text: a CR LF pair is never split between two reads
};

// How often a load reports: often enough that Esc and the progress answer at once, seldom
// enough to cost nothing beside the control's own work.
constexpr std::size_t kReportEvery = 64 * 1024;

DWORD CALLBACK readFromMemory(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* got) {
    auto* c = reinterpret_cast<MemoryCookie*>(cookie);
    if (c->progress && *c->progress && c->pos - c->reported >= kReportEvery) {
        c->reported = c->pos;
        try {
            c->stopped = !(*c->progress)(c->base + c->pos, c->total);
        } catch (...) {
            c->stopped = true; // nothing may leave through the control
        }
        if (c->stopped) return 1;
    }
    std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(cb), c->bytes.size() - c->pos);
    // Wine: a read that ends in CR, with LF at the start of the next, makes two line breaks
    // of the pair; the CR waits for the next read
    if (c->utf16Text && n > 2 && c->pos + n < c->bytes.size()) {
        const auto at = [c](std::size_t i) {
            char16_t ch;
            std::memcpy(&ch, c->bytes.data() + i, sizeof ch);
            return ch;
        };
        n &= ~std::size_t{1};
        if (at(c->pos + n - 2) == u'\r' && at(c->pos + n) == u'\n') n -= 2;
    }
    std::memcpy(buf, c->bytes.data() + c->pos, n);
    c->pos += n;
    *got = static_cast<LONG>(n);
    return 0;
}

bool streamInCookie(HWND control, MemoryCookie& cookie, UINT format) {
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&cookie), 0, readFromMemory};
    SendMessageA(control, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&es));
    if (cookie.stopped) throw LoadStopped();
    return es.dwError == 0;
}

// While a file loads: no change notifications (the document is not being edited), no painting
// of the half-made text; afterwards nothing of the load is a step of undo.
class QuietLoad {
public:
    explicit QuietLoad(HWND h) : h_(h), mask_(SendMessageA(h, EM_GETEVENTMASK, 0, 0)) {
        SendMessageA(h_, EM_SETEVENTMASK, 0, 0);
        SendMessageA(h_, WM_SETREDRAW, FALSE, 0);
        // a paint already due must not reach the control in the middle of a stream-in either
        ValidateRect(h_, nullptr);
    }
    ~QuietLoad() {
        SendMessageA(h_, EM_EMPTYUNDOBUFFER, 0, 0);
        SendMessageA(h_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(h_, nullptr, TRUE);
        SendMessageA(h_, EM_SETEVENTMASK, 0, mask_);
    }
    QuietLoad(const QuietLoad&) = delete;
    QuietLoad& operator=(const QuietLoad&) = delete;

private:
    HWND h_;
    LPARAM mask_;
};

} // namespace

bool RichEdit::streamIn(HWND control, std::string_view bytes, UINT format) {
    MemoryCookie cookie{bytes, 0};
    return streamInCookie(control, cookie, format);
}

void RichEdit::loadLibrary() {
    static HMODULE lib = LoadLibraryA("riched20.dll");
    if (!lib) throwLastError();
}

void RichEdit::create(HWND parent, UINT id, DWORD extraStyle) {
    loadLibrary();
    hwnd_ = createChild(parent, {.className = RICHEDIT_CLASSA,
                                 .style = WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL |
                                          ES_SAVESEL | ES_SELECTIONBAR | extraStyle,
                                 .exStyle = WS_EX_CLIENTEDGE,
                                 .id = id,
                                 .box = {0, 0, 10, 10}});
    SetWindowSubclass(hwnd_, controlProc, 1, reinterpret_cast<DWORD_PTR>(this)); // the paste guard
    SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFF0); // the default is 32K characters
    SendMessageA(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    setWordWrap(true);
}

bool RichEdit::modified() const { return SendMessageA(hwnd_, EM_GETMODIFY, 0, 0) != 0; }
void RichEdit::setModified(bool on) { SendMessageA(hwnd_, EM_SETMODIFY, on, 0); }

long RichEdit::textLength() const {
    GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    return static_cast<long>(SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0));
}

std::string RichEdit::text() const {
    GETTEXTLENGTHEX gl{GTL_NUMBYTES | GTL_PRECISE | GTL_USECRLF, CP_ACP};
    const auto bytes = SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0);
    std::string s(static_cast<size_t>(bytes) + 1, '\0');
    GETTEXTEX gt{};
    gt.cb = static_cast<DWORD>(s.size());
    gt.flags = GT_USECRLF;
    gt.codepage = CP_ACP;
    const auto n = SendMessageA(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt),
                                reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(n));
    return s;
}

void RichEdit::setText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

void RichEdit::select(long from, long to) {
    CHARRANGE cr{from, to};
    SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void RichEdit::selection(long& from, long& to) const {
    CHARRANGE cr{};
    SendMessageA(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    from = cr.cpMin;
    to = cr.cpMax;
}

void RichEdit::replaceSelection(const std::string& text, bool canUndo) {
    SendMessageA(hwnd_, EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text.c_str()));
}

void RichEdit::loadFile(const std::string& path) {
    UniqueFile f{CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!f) throwLastError();
    const auto streamIn = [&](UINT format) {
        if (SetFilePointer(f.get(), 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) throwLastError();
        FileCookie cookie{f.get()};
        EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&cookie), 0, readFromFile};
        SendMessageA(hwnd_, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&es));
        return es.dwError == 0;
    };
    // A file that does not start as RTF is read as plain text also in rich-text mode (the
    // control would take it as text anyway); RTF that the control rejects is read as text too.
    char head[5] = {};
    DWORD got = 0;
    const bool rtf = !plainText_ && ReadFile(f.get(), head, sizeof head, &got, nullptr) && got == sizeof head &&
                     std::memcmp(head, "{\\rtf", sizeof head) == 0;
    if (rtf && streamIn(SF_RTF)) return;
    if (!streamIn(SF_TEXT)) throw AppError("Failed to Load Stream");
    applyTextStyle();
}

namespace {

// The end of the piece of `text` that starts at `from`: about `size` characters, carried on to
// the end of the line there (a CR LF pair stays whole), so no paragraph comes in two pieces. A line longer than
// the piece is one piece.
std::size_t pieceEnd(std::u16string_view text, std::size_t from, std::size_t size) {
    if (text.size() - from <= size) return text.size();
    const std::size_t eol = text.find_first_of(u"\r\n", from + size);
    if (eol == std::u16string_view::npos) return text.size();
    return eol + (text[eol] == u'\r' && eol + 1 < text.size() && text[eol + 1] == u'\n' ? 2 : 1);
}

// The longest stretch of letters (of any script), digits and spaces: the longest run of text
// the control keeps in one piece (punctuation, symbols, tabs and line ends end its runs).
std::size_t longestPlainStretch(std::u16string_view text) {
    std::size_t longest = 0, current = 0;
    for (const char16_t c : text) {
        const bool ascii = c < 0x80;
        const bool plain = ascii ? c == u' ' || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') ||
                                       (c >= u'a' && c <= u'z')
                                 : !(c <= 0xBF || (c >= 0x2000 && c <= 0x206F)); // Latin-1 and general punctuation
        current = plain ? current + 1 : 0;
        longest = std::max(longest, current);
    }
    return longest;
}

std::size_t longestLine(std::u16string_view text) {
    std::size_t longest = 0, current = 0;
    for (const char16_t c : text) {
        current = c == u'\r' || c == u'\n' ? 0 : current + 1;
        longest = std::max(longest, current);
    }
    return longest;
}

} // namespace

// Wine: the control lays out what it takes at the end of each stream-in, and streaming a whole
// large text at once costs about three times what the same text costs in pieces of whole
// lines (pieces also let the progress paint and Esc answer between them). Wrapping a long run
// of letters, digits and spaces (no punctuation) at the window costs the control time
// growing with the square of the run's length (4 s at 20,000 characters, hours at 1 MB), and a
// few milliseconds with wrapping off: such a text is taken with wrapping off, and left so.
// A long line of many short runs (a text with punctuation) is the other way round: wrapped,
// 1 MB can take 4 s; unwrapped, a minute. It keeps its wrapping up to kLongestWrappedLine
// characters (200,000: 3.4 s wrapped, 0.6 s not); a longer one is taken unwrapped (5 MB: more
// than six minutes wrapped and all the memory, 200 s not).
void RichEdit::loadText(std::u16string_view text, const LoadProgress& progress) {
    constexpr std::size_t kPiece = 32 * 1024; // characters
    if (wordWrap_ && (longestPlainStretch(text) > kLongestWrappedRun || longestLine(text) > kLongestWrappedLine))
        setWordWrap(false);
    {
        QuietLoad quiet(hwnd_);
        SetWindowTextA(hwnd_, ""); // a fresh control: nothing to clear
        if (textStyle_) applyStyle(*textStyle_, SCF_ALL); // the pieces take the insertion point's style
        const std::size_t total = text.size() * sizeof(char16_t);
        for (std::size_t from = 0; from < text.size();) {
            const std::size_t to = pieceEnd(text, from, kPiece);
            const std::string_view bytes(reinterpret_cast<const char*>(text.data() + from),
                                         (to - from) * sizeof(char16_t));
            select(LONG_MAX, LONG_MAX); // the end: a position past it is taken as the end
            MemoryCookie cookie{bytes, 0, &progress, from * sizeof(char16_t), total, 0, false, true};
            if (!streamInCookie(hwnd_, cookie, SF_TEXT | SF_UNICODE | SFF_SELECTION))
                throw AppError("Failed to Load Stream");
            from = to;
            if (progress && from < text.size() && !progress(from * sizeof(char16_t), total)) throw LoadStopped();
        }
        select(0, 0);
    }
    applyTextStyle();
}

bool RichEdit::loadRtf(std::string_view bytes, const LoadProgress& progress) {
    QuietLoad quiet(hwnd_);
    MemoryCookie cookie{bytes, 0, &progress, 0, bytes.size()};
    const bool taken = streamInCookie(hwnd_, cookie, SF_RTF);
    select(0, 0);
    return taken;
}

std::u16string RichEdit::unicodeText() const {
    std::u16string text;
    streamUnicodeText([&text](std::u16string_view piece) { text.append(piece); });
    return text;
}

namespace {

struct UnicodeCookie {
    const std::function<void(std::u16string_view)>* take;
    std::u16string piece;
    bool oddByte = false; // the low byte of a unit whose high byte comes in the next buffer
    unsigned char low = 0;
    std::exception_ptr failure;
};

DWORD CALLBACK writeToUnicode(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* put) {
    auto* c = reinterpret_cast<UnicodeCookie*>(cookie);
    try {
        // the control's buffers hold whole units; should one not, its bytes are joined
        c->piece.clear();
        const BYTE* bytes = buf;
        std::size_t n = cb > 0 ? static_cast<std::size_t>(cb) : 0;
        if (c->oddByte && n > 0) {
            c->piece += static_cast<char16_t>(c->low | (bytes[0] << 8));
            c->oddByte = false;
            ++bytes, --n;
        }
        const std::size_t at = c->piece.size();
        c->piece.resize(at + n / 2);
        std::memcpy(c->piece.data() + at, bytes, n / 2 * sizeof(char16_t)); // little-endian, as UTF-16LE
        if (n % 2) {
            c->low = bytes[n - 1];
            c->oddByte = true;
        }
        (*c->take)(c->piece);
        *put = cb;
        return 0;
    } catch (...) {
        c->failure = std::current_exception();
        return 1;
    }
}

} // namespace

void RichEdit::streamUnicodeText(const std::function<void(std::u16string_view piece)>& take) const {
    UnicodeCookie cookie{&take, {}, false, 0, {}};
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&cookie), 0, writeToUnicode};
    SendMessageA(hwnd_, EM_STREAMOUT, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&es));
    if (cookie.failure) std::rethrow_exception(cookie.failure);
    if (es.dwError != 0) throw AppError("Failed to Save Stream");
}

// Wine: text streamed in takes the control's own bold "System" font, not the default format
// set before; plain text has no format of its own, so it gets the document's
// (Formatting a whole large text again costs as much as loading it: only when needed.)
void RichEdit::applyTextStyle() {
    if (textStyle_ && !startsInStyle(*textStyle_)) {
        applyStyle(*textStyle_, SCF_ALL);
        setModified(false);
    }
}

bool RichEdit::startsInStyle(const CharStyle& s) {
    select(0, 1);
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    SendMessageA(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    select(0, 0);
    return s.face == cf.szFaceName && static_cast<LONG>(s.sizePt * 20) == cf.yHeight && cf.crTextColor == s.color &&
           !(cf.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_AUTOCOLOR));
}

std::string RichEdit::streamOut() const { return streamOutAs(plainText_ ? SF_TEXT : SF_RTF); }

std::string RichEdit::rtf() const { return streamOutAs(SF_RTF); }

std::string RichEdit::streamOutOf(HWND control, UINT format) {
    std::string out;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&out), 0, writeToString};
    SendMessageA(control, EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&es));
    if (es.dwError != 0) throw AppError("Failed to Save Stream");
    // Wine: RTF comes out with a terminating zero byte after the closing brace; a file must
    // not carry it
    if ((format & SF_RTF) && !out.empty() && out.back() == '\0') out.pop_back();
    return out;
}

long RichEdit::formatRange(HDC dc, HDC target, const RECT& area, const RECT& page, long from, bool render) {
    FORMATRANGE fr{};
    fr.hdc = dc;
    fr.hdcTarget = target;
    fr.rc = area;
    fr.rcPage = page;
    fr.chrg.cpMin = from;
    fr.chrg.cpMax = -1;
    return static_cast<long>(SendMessageA(hwnd_, EM_FORMATRANGE, render, reinterpret_cast<LPARAM>(&fr)));
}

void RichEdit::formatRangeDone() { SendMessageA(hwnd_, EM_FORMATRANGE, FALSE, 0); }

void RichEdit::saveFile(const std::string& path) const {
    // streamed straight into the temporary file: no copy of a large document in memory
    writeFileReplacing(path, [this](void* file) {
        FileCookie cookie{file};
        cookie.dropFinalZero = !plainText_;
        EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&cookie), 0, writeToFile};
        SendMessageA(hwnd_, EM_STREAMOUT, plainText_ ? SF_TEXT : SF_RTF, reinterpret_cast<LPARAM>(&es));
        if (cookie.error) throwLastError(cookie.error);
        if (es.dwError != 0) throw AppError("Failed to Save Stream");
    });
}

void RichEdit::applyStyle(const CharStyle& s, WPARAM scope) {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    // the control's own default is bold: the style names every effect, all off
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
    std::strncpy(cf.szFaceName, s.face.c_str(), LF_FACESIZE - 1);
    cf.yHeight = s.sizePt * 20;
    cf.crTextColor = s.color;
    cf.bCharSet = s.charset;
    SendMessageA(hwnd_, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&cf));
}

void RichEdit::setInsertionStyle(const CharStyle& s) {
    textStyle_ = s;
    // the control's default format (its own is the bold "System" font), then the whole (empty)
    // text and the insertion point
    applyStyle(s, SCF_DEFAULT);
    if (textLength() == 0) applyStyle(s, SCF_ALL);
    applyStyle(s, SCF_SELECTION);
}

void RichEdit::setBackground(COLORREF c) { SendMessageA(hwnd_, EM_SETBKGNDCOLOR, 0, c); }

void RichEdit::setFirstIndents(long firstTwips, long offsetTwips) {
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    pf.dwMask = PFM_STARTINDENT | PFM_OFFSET;
    pf.dxStartIndent = firstTwips;
    pf.dxOffset = offsetTwips;
    SendMessageA(hwnd_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
}

namespace {
void setIndent(HWND h, DWORD mask, long twips) {
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    pf.dwMask = mask;
    (mask == PFM_STARTINDENT ? pf.dxStartIndent : mask == PFM_OFFSET ? pf.dxOffset : pf.dxRightIndent) = twips;
    SendMessageA(h, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
}
} // namespace

void RichEdit::setStartIndent(long twips) { setIndent(hwnd_, PFM_STARTINDENT, twips); }
void RichEdit::setOffset(long twips) { setIndent(hwnd_, PFM_OFFSET, twips); }
void RichEdit::setRightIndent(long twips) { setIndent(hwnd_, PFM_RIGHTINDENT, twips); }

RichEdit::Indents RichEdit::paragraphIndents() const {
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    SendMessageA(hwnd_, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    return {pf.dxStartIndent, pf.dxOffset, pf.dxRightIndent};
}

void RichEdit::setWordWrap(bool on) {
    wordWrap_ = on;
    // target device NULL with width 0 wraps at the window; width 1 means no wrapping
    SendMessageA(hwnd_, EM_SETTARGETDEVICE, 0, on ? 0 : 1);
}

void RichEdit::caretPosition(long& row, long& column) const {
    long from = 0, to = 0;
    selection(from, to);
    const auto line = SendMessageA(hwnd_, EM_EXLINEFROMCHAR, 0, to);
    const auto start = SendMessageA(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    row = static_cast<long>(line) + 1;
    column = static_cast<long>(to - start) + 1;
}

int RichEdit::lineCount() const {
    int n = static_cast<int>(SendMessageA(hwnd_, EM_GETLINECOUNT, 0, 0));
    // a last line that is empty does not count (an empty document has no lines)
    const long lastStart = static_cast<long>(SendMessageA(hwnd_, EM_LINEINDEX, static_cast<WPARAM>(n - 1), 0));
    if (n > 0 && lastStart >= 0 && SendMessageA(hwnd_, EM_LINELENGTH, static_cast<WPARAM>(lastStart), 0) == 0) --n;
    return n;
}

namespace {
CHARFORMAT2A charFormat(DWORD mask) {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = mask;
    return cf;
}
} // namespace

void RichEdit::setSelectionFace(const std::string& face) {
    CHARFORMAT2A cf = charFormat(CFM_FACE);
    std::strncpy(cf.szFaceName, face.c_str(), LF_FACESIZE - 1);
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void RichEdit::setSelectionSize(int points) {
    CHARFORMAT2A cf = charFormat(CFM_SIZE);
    cf.yHeight = points * 20;
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void RichEdit::setSelectionColor(COLORREF c) {
    CHARFORMAT2A cf = charFormat(CFM_COLOR);
    cf.crTextColor = c;
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

DWORD RichEdit::selectionEffects() const {
    CHARFORMAT2A cf = charFormat(0);
    SendMessageA(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    // an effect counts when the whole selection has it
    return cf.dwEffects & cf.dwMask & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT);
}

void RichEdit::setSelectionEffects(DWORD effects) {
    CHARFORMAT2A cf = charFormat(CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT);
    cf.dwEffects = effects;
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void RichEdit::setSelectionEffect(DWORD effect, bool on) {
    CHARFORMAT2A cf = charFormat(effect); // CFM_BOLD == CFE_BOLD and so on for the four
    cf.dwEffects = on ? effect : 0;
    SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

void RichEdit::setAlignment(WORD alignment) {
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    pf.dwMask = PFM_ALIGNMENT;
    pf.wAlignment = alignment;
    SendMessageA(hwnd_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
}

void RichEdit::cut() {
    const long before = textLength();
    SendMessageA(hwnd_, WM_CUT, 0, 0);
    // Wine: a cut leaves the modified flag as it was (Windows sets it); text that went is a
    // change the close prompt must know of
    if (textLength() != before) setModified(true);
}
void RichEdit::copy() { SendMessageA(hwnd_, WM_COPY, 0, 0); }
void RichEdit::paste() { SendMessageA(hwnd_, WM_PASTE, 0, 0); }
void RichEdit::focus() { SetFocus(hwnd_); }

} // namespace ui
