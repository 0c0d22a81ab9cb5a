// companions/textcount.h — what the statistics library counts in a text (ANSI, one byte a character)
#pragma once
#include <cstdint>
#include <string_view>

namespace companion {

struct TextCounts {
    std::uint32_t characters = 0;         // every character but line breaks
    std::uint32_t charactersNoSpaces = 0; // and without blanks (space, tab, no-break space)
    std::uint32_t words = 0;              // runs of characters between blanks and line breaks
};

TextCounts countText(std::string_view text);

} // namespace companion
