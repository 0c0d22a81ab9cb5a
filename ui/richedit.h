// ui/richedit.h — the rich-edit control: the one place that sends rich-edit messages
#pragma once
#include <windows.h>

#include <richedit.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/unique.h"

namespace ui {

// What a long load reports as it goes: the bytes of the source taken so far of `total`;
// false stops the load.
using LoadProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Thrown by a load that its progress stopped; the control's content is unspecified then.
class LoadStopped : public std::exception {
public:
    const char* what() const noexcept override { return "load stopped"; }
};

struct CharStyle {
    std::string face;
    int sizePt = 12;
    COLORREF color = 0;
    BYTE charset = EASTEUROPE_CHARSET;
};

// The text of a rich-edit control as UTF-16 (Char: wchar_t or char16_t), all of it or its
// selection, each paragraph end one CR: an index is a character position.
template <class Char = wchar_t> std::basic_string<Char> controlText(HWND control, bool selectionOnly = false);
extern template std::wstring controlText<wchar_t>(HWND, bool);
extern template std::u16string controlText<char16_t>(HWND, bool);

class RichEdit : Pinned {
public:
    // Loads the rich-edit library once for the process (riched20.dll).
    static void loadLibrary();
    // Streams `bytes` (RTF or plain text, by `format`) into any rich-edit control, replacing its
    // content; false when the control reports an error.
    static bool streamIn(HWND control, std::string_view bytes, UINT format);

    void create(HWND parent, UINT id, DWORD extraStyle = 0);
    HWND hwnd() const { return hwnd_; }

    // Plain-text mode decides how the document is read and written: RTF when off.
    bool plainText() const { return plainText_; }
    void setPlainText(bool on) { plainText_ = on; }

    bool modified() const;
    void setModified(bool on);

    std::string text() const;
    void setText(const std::string& text);
    long textLength() const;
    void select(long from, long to);
    void selection(long& from, long& to) const;
    void replaceSelection(const std::string& text, bool canUndo = true);

    // Replaces the content with UTF-16 plain text (line ends CR LF, CR or LF), shown in the
    // insertion style. Throws AppError ("Failed to Load Stream") when the control rejects it,
    // LoadStopped when `progress` stops it. The text goes in by pieces of whole lines, each of
    // which the control lays out as it takes it; a text with a stretch of letters, digits and
    // spaces (no punctuation) longer than kLongestWrappedRun, or a line longer than
    // kLongestWrappedLine, is taken, and left, with word wrap off (see richedit.cpp).
    // Nothing of the load can be undone; change notifications stay off while it runs.
    void loadText(std::u16string_view text, const LoadProgress& progress = {});
    static constexpr std::size_t kLongestWrappedRun = 10000, kLongestWrappedLine = 100000;
    // Replaces the content with RTF; false (content unspecified) when the control rejects it.
    // Throws LoadStopped when `progress` stops it.
    bool loadRtf(std::string_view bytes, const LoadProgress& progress = {});
    // The whole text as UTF-16, each paragraph end as CR LF, whatever the mode.
    std::u16string unicodeText() const;
    // The same text handed to `take` in the pieces the control gives it out in (no copy of the
    // whole); an exception from `take` ends the stream and comes out of this call.
    void streamUnicodeText(const std::function<void(std::u16string_view piece)>& take) const;

    // Reads the file in the current mode. In rich-text mode a stream the control rejects as
    // RTF is read again as plain text. Throws AppError ("Failed to Load Stream" or the
    // system's message) when the file cannot be read.
    void loadFile(const std::string& path);
    // The whole content in the current mode (RTF, or plain text in the ANSI code page).
    std::string streamOut() const;
    // Streams the content into a file, replacing it safely. Throws AppError on failure.
    void saveFile(const std::string& path) const;

    // Character format of the insertion point, of text typed from now on and of plain text
    // loaded later.
    void setInsertionStyle(const CharStyle& s);
    void setBackground(COLORREF c);
    void setFirstIndents(long firstTwips, long offsetTwips);
    // Indents of the paragraphs touched by the selection, in twips, each set alone: the first
    // line's (absolute), the following lines' (relative to the first line), the right one.
    void setStartIndent(long twips);
    void setOffset(long twips);
    void setRightIndent(long twips);
    struct Indents {
        long start, offset, right;
    };
    // As the control reports them for the selection (its first paragraph when they differ).
    Indents paragraphIndents() const;
    void setWordWrap(bool on);
    bool wordWrap() const { return wordWrap_; }
    // The caret's row and column, both from 1 (rows as the control lays them out).
    void caretPosition(long& row, long& column) const;
    // Rows as the control counts them (wrapped rows count while word wrap is on).
    int lineCount() const;

    // Formatting of the selection (or of the insertion point when nothing is selected).
    static constexpr DWORD Bold = CFE_BOLD, Italic = CFE_ITALIC, Underline = CFE_UNDERLINE, StrikeOut = CFE_STRIKEOUT;
    void setSelectionFace(const std::string& face);
    void setSelectionSize(int points);
    void setSelectionColor(COLORREF c);
    // The effects the whole selection has; one effect switched on or off, the others kept.
    DWORD selectionEffects() const;
    void setSelectionEffect(DWORD effect, bool on); // one of the four above
    // The whole set of the four effects written to the selection.
    void setSelectionEffects(DWORD effects);
    // Alignment of the paragraphs touched by the selection: PFA_LEFT, PFA_CENTER or PFA_RIGHT.
    void setAlignment(WORD alignment);

    // The whole content as RTF whatever the mode (what printing lays out).
    std::string rtf() const;
    // EM_FORMATRANGE: formats the text from `from` to its end for one page of `dc` measured on
    // `target`, and draws it when `render`; `area` and `page` are in twips. Returns the index of
    // the first character that did not fit, as the control reports it.
    long formatRange(HDC dc, HDC target, const RECT& area, const RECT& page, long from, bool render);
    // Drops the page formatting the control keeps between formatRange calls.
    void formatRangeDone();

    void cut();
    void copy();
    void paste();
    void focus();

    // Decides whether RTF from the clipboard may reach the control; false pastes the
    // clipboard's plain text instead (the check says why itself). Every paste asks it: the
    // commands, the control's own keys (Ctrl+V, Shift+Insert) and EM_PASTESPECIAL. Without a
    // check every paste goes through.
    using PasteCheck = std::function<bool(std::string_view rtf)>;
    void setPasteCheck(PasteCheck check) { pasteCheck_ = std::move(check); }
    // --- undo, selection and search (ui/richedit_edit.cpp)
    bool canUndo() const;
    bool canRedo() const;
    void undo();
    void redo();
    // Forgets every step there is to undo (a document just made or read has none).
    void emptyUndo();
    void selectAll();
    // The selected text in the ANSI code page, paragraph ends as CR.
    std::string selectedText() const;
    struct Match {
        long from, to;
        bool operator==(const Match&) const = default;
    };
    // Finds `what` (ANSI) between `from` and `to` with the find dialog's flags (FR_DOWN,
    // FR_MATCHCASE, FR_WHOLEWORD). Down: the first match in from..to (to -1: the end); up: the
    // last match that starts before `from` and not before `to`.
    std::optional<Match> find(const std::string& what, DWORD flags, long from, long to) const;
    // Replaces every match of `what` by `with` as one step of undo, each replacement in the
    // format of the text it replaces; the number of replacements. Throws AppError when the
    // control refuses the work.
    int replaceAll(const std::string& what, const std::string& with, DWORD flags);

private:
    static LRESULT CALLBACK controlProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
    // Whether the paste of clipboard format `format` (0: the best the clipboard has) may go on.
    bool pasteAllowed(UINT format) const;
    void applyStyle(const CharStyle& s, WPARAM scope);
    // Whether the first character has the style (face, size, colour, no effects).
    bool startsInStyle(const CharStyle& s);
    std::string streamOutAs(UINT format) const { return streamOutOf(hwnd_, format); }
    static std::string streamOutOf(HWND control, UINT format);
    void applyTextStyle();
    HWND hwnd_ = nullptr;
    bool plainText_ = false;
    bool wordWrap_ = true;
    std::optional<CharStyle> textStyle_; // the style plain text is shown in
    PasteCheck pasteCheck_;
};

} // namespace ui

namespace ui {
// A settings colour (0x00BBGGRR, or 0xFF0000nn for system colour nn) as a COLORREF.
inline COLORREF resolveColor(std::uint32_t c) {
    return (c & 0xFF000000u) == 0xFF000000u ? GetSysColor(static_cast<int>(c & 0xFFu)) : (c & 0x00FFFFFFu);
}
} // namespace ui
