// rtf/control_check.h — what the rich-edit control cannot read: a quick pass over RTF before
// the control sees it (plain C++, no Win32: built and tested natively, and fuzzed)
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace rtf {

// The control keeps one entry per open group in a fixed table of 32 and reads past it for
// a deeper group, which ends the program; a document nested this deep still reads.
constexpr std::size_t kControlMaxDepth = 31;
// The control collects a control word with its number in a fixed buffer and writes on past
// its end for a longer one (a heap overflow). Longer than this, counting the backslash, the
// letters, the sign and the digits, and the text is not handed to the control. Real words
// have at most 32 letters and numbers at most 11 characters.
constexpr std::size_t kControlMaxWord = 255;
// The control also collects each name of the font table and the style sheet in a fixed
// buffer, counting every character, \'xx and control word of it: longer than this and the
// text is not handed to it. Real names have at most 31 characters (aliases make a few longer).
constexpr std::size_t kControlMaxName = 511;

// Wine's control ends the process (a failed assertion) at the end of a table row that holds
// more cells than its row definition gives edges (\cellx), and at a row of more than 64
// cells; rows of more than 63 cells no program writes. A row, outer or nested, that breaks
// either rule is not handed to the control. Windows' control reads such rows, but refusing them
// costs no real document: every program that writes tables gives each cell its edge.
constexpr std::size_t kControlMaxCells = 63;

struct ControlCheck {
    enum Kind : unsigned char {
        Fine,      // the control reads it
        TooDeep,   // groups nested deeper than kControlMaxDepth
        LongWord,  // a control word or number longer than kControlMaxWord
        LongName,  // a font or style name longer than kControlMaxName
        Truncated, // the text ends with groups still open (the control rejects it)
        BadTable,  // a table row with more cells than edges, or than kControlMaxCells
    };
    Kind kind = Fine;
    std::size_t offset = 0;     // TooDeep, LongWord, LongName, BadTable: where the group, word, name or cell starts
    std::size_t openGroups = 0; // Truncated: groups left open at the end
    std::size_t complete = 0;   // Truncated: length of the text up to its last complete token
    // A table row whose cells are never ended by \row: Wine's control then shows nothing of the
    // whole document (Windows' shows the cells). The row is ended after its last cell, which is
    // where closeGroups puts the \row; a row left open with more cells than edges is BadTable.
    bool openRow = false;
    std::size_t openRowEnd = 0; // openRow: just after the row's last \cell

    // Whether the control may be given the text (after closeGroups for a truncated one or one
    // with a row left open).
    bool safe() const { return kind == Fine || kind == Truncated; }
};

// Reads `rtf` the way the control's reader splits it (braces, control words and symbols,
// \'xx) up to the end of its outermost group. Reads every byte at most once and allocates
// nothing.
ControlCheck checkForControl(std::string_view rtf);

// The text the control can read: a truncated one made whole (its complete tokens and a closing
// brace for each open group), a row left open ended; other texts as they are.
std::string closeGroups(std::string_view rtf, const ControlCheck& check);

} // namespace rtf
