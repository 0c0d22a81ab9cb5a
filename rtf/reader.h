// rtf/reader.h — RTF read as a stream of tokens, with groups, destinations and Unicode
// fallbacks already handled (plain C++, no Win32: built and tested natively too)
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace rtf {

// What the content of a group is. Nested groups start with their parent's destination.
enum class Destination : unsigned char {
    Text,       // characters of the document
    Skip,       // not part of the text: pictures, headers, document information, \* groups...
    FontTable,  // \fonttbl
    ColorTable, // \colortbl
    ListLabel,  // \pntext, \listtext: a list label shown before a paragraph, not in its text
};

// The destination a control word opens, or Destination::Text for a word that opens none.
// Most destinations count only right after a '{'; a few (pictures, field instructions, the
// two tables and list labels) wherever they stand.
Destination destinationOf(std::string_view word, bool atGroupStart);

// The character a control word writes: u'\r' for the ends of paragraphs, rows and sections,
// u'\v' a line break, u'\f' a page break, u'\t' a tab or a cell's end, and the named
// punctuation and spaces; 0 for a word that writes none.
char16_t characterOf(std::string_view word);

// The character a control symbol (a backslash and one non-letter) writes, 0 for none.
char16_t characterOfSymbol(char c);

struct Token {
    enum Kind : unsigned char {
        GroupStart,  // '{'
        GroupEnd,    // '}'; `ended` is the destination of the group that ended
        Destination, // the current group became `destination`
        Word,        // a control word: `word`, `hasParam`, `param`
        Symbol,      // a control symbol other than \' and \*: `byte`
        Text,        // literal bytes of text, one or more: `text` (never a raw line end)
        Byte,        // a byte of text written as \'xx: `byte`
        Unicode,     // \uN: `unicode`; its fallback characters are already dropped
    };
    Kind kind = Byte;
    std::string_view word;
    bool hasParam = false;
    int param = 0;
    std::string_view text;
    char byte = 0;
    char16_t unicode = 0;
    rtf::Destination ended = rtf::Destination::Text;
    rtf::Destination destination = rtf::Destination::Text;
};

// Pulls tokens out of an RTF text. Inside a skipped destination only GroupStart and GroupEnd
// come out, so that a caller's own stack of groups stays in step; the words \uc, \bin and
// those that open a destination are taken care of here. Never fails: damaged input ends
// where it ends, and nesting deeper than kMaxDepth is read as if flat.
class Reader {
public:
    static constexpr std::size_t kMaxDepth = 4096;

    explicit Reader(std::string_view rtf);
    bool next(Token& t); // false at the end of the text
    Destination destination() const { return groups_.back().destination; }

private:
    struct Group {
        Destination destination = Destination::Text;
        int uc = 1; // fallback characters after \u
    };
    enum class Step { Emit, Skip };

    Step groupStart(Token& t);
    Step groupEnd(Token& t);
    Step backslash(Token& t);
    Step controlWord(Token& t);
    Step controlSymbol(Token& t, char c);
    Step text(Token& t);
    Step visible(); // drops fallback characters and skipped text
    void readParameter(Token& t);

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<Group> groups_;
    std::size_t overflow_ = 0; // groups opened beyond kMaxDepth
    bool groupStart_ = false;  // right after '{': a destination may follow
    int fallback_ = 0;         // characters still to drop after \u
};

} // namespace rtf
