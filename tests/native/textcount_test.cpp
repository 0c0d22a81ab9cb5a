// tests/native/textcount_test.cpp — what the statistics library counts
#include "companions/textcount.h"

#include <gtest/gtest.h>

using companion::countText;

TEST(TextCount, WordsCharactersAndBlanks) {
    const struct { const char* text; unsigned chars, noSpaces, words; } rows[] = {
        {"", 0, 0, 0},
        {"abc", 3, 3, 1},
        {"  a  b  ", 8, 2, 2},
        {"jedna\rdvě\r\ntři", 11, 11, 3},     // line breaks neither count nor join words
        {"a\tb\xA0" "c", 5, 3, 3},            // tab and no-break space are blanks
        {"Příliš žluťoučký kůň", 20, 18, 3},  // one byte a character in 1250
        {"\r\r\r", 0, 0, 0},
        {"a-b, c.", 7, 6, 2},
    };
    for (const auto& r : rows) {
        const auto n = countText(r.text);
        EXPECT_EQ(n.characters, r.chars) << r.text;
        EXPECT_EQ(n.charactersNoSpaces, r.noSpaces) << r.text;
        EXPECT_EQ(n.words, r.words) << r.text;
    }
}
