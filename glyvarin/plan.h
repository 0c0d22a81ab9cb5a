// glyvarin/plan.h — what a conversion rewrites in a text, and where a stretch of rich text
// changes its character format (plain C++, no Win32: built and tested natively too)
#pragma once
#include "glyvarin/table.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyvarin {

// A character that carries the document's structure: paragraph, line and cell breaks, the end
// of text, embedded objects and the control's private marks. The conversion never changes one
// and never produces one, so the text keeps its paragraphs, tables and length.
bool isStructural(char16_t c);

// The table as it applies to the control's UTF-16 text: each byte of the ANSI code page that the
// table changes, decoded by `decode` (nullopt for a byte the code page does not define). A
// mapping from or to a structural character is left out.
class WideLookup {
public:
    WideLookup(const LookupMap& map, std::optional<char16_t> (*decode)(unsigned char));
    char16_t operator()(char16_t c) const { return map_[c]; }
    std::u16string convert(std::u16string_view text) const;

private:
    std::vector<char16_t> map_; // 65536 entries
};

// A stretch [from, to) of the text to rewrite: it starts and ends at a changed character, holds
// no structural character and is at most maxLength long. Unchanged characters inside it are
// written back as they are.
struct Stretch {
    std::size_t from = 0, to = 0;
    bool operator==(const Stretch&) const = default;
};
std::vector<Stretch> planStretches(std::u16string_view before, std::u16string_view after,
                                   std::size_t maxLength);

// The text of an RTF fragment that the control wrote for a range, and the offsets (into that
// text) where the character format may change: every control word, group start or group end
// that stands between two characters. An offset is reported at most once, in rising order.
// A character written as \'xx comes back as u'\xFFFF' (its code page is the font's).
struct RtfRuns {
    std::u16string text;
    std::vector<std::size_t> breaks;
};
RtfRuns readRtfRuns(std::string_view rtf);

// True when `rtf` text agrees with the control's text: same length, and every character that
// the RTF spells out (not as \'xx) equal.
bool sameText(std::u16string_view rtfText, std::u16string_view controlText);

} // namespace glyvarin
