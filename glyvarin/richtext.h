// glyvarin/richtext.h — the program's rich-edit control as the converter uses it: the one place
// in the library that sends rich-edit messages (the control belongs to the program)
#pragma once
#include <windows.h>

#include <richedit.h>

#include "ui/unique.h"

#include <string>
#include <string_view>

namespace glyvarin {

class RichText : ui::Pinned {
public:
    explicit RichText(HWND h) : hwnd_(h) {}
    HWND hwnd() const { return hwnd_; }

    // Lines of the text; a last line that is empty does not count (an empty text has none).
    int lineCount() const;
    CHARRANGE selection() const;
    void select(long from, long to);
    // The whole text, or the selected text, in UTF-16 with one character per position
    // (paragraph breaks as a single '\r').
    std::u16string text() const;
    std::u16string selectedText() const;
    // The character format the selection has throughout (dwMask names what is consistent).
    CHARFORMAT2A selectionFormat() const;
    // The selection as RTF, as the control writes it.
    std::string selectionRtf() const;
    // Replaces the selection by `text`; the new text takes the format of the selection's first
    // character. No undo record is made.
    void replaceSelection(std::u16string_view text);

    DWORD eventMask() const;
    void setEventMask(DWORD mask);
    POINT scrollPos() const;
    void setScrollPos(POINT p);
    void setRedraw(bool on);
    void emptyUndo();
    void setModified();

private:
    HWND hwnd_;
};

} // namespace glyvarin
