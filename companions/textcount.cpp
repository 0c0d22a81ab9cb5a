// companions/textcount.cpp — what the statistics library counts in a text
#include "companions/textcount.h"

namespace companion {
namespace {
bool isLineBreak(unsigned char c) { return c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool isBlank(unsigned char c) { return c == ' ' || c == '\t' || c == 0xA0; } // 0xA0: no-break space in 1250
} // namespace

TextCounts countText(std::string_view text) {
    TextCounts n;
    bool inWord = false;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        const bool lineBreak = isLineBreak(c), blank = isBlank(c);
        if (!lineBreak) ++n.characters;
        if (!lineBreak && !blank) ++n.charactersNoSpaces;
        const bool wordChar = !lineBreak && !blank;
        if (wordChar && !inWord) ++n.words;
        inWord = wordChar;
    }
    return n;
}

} // namespace companion
