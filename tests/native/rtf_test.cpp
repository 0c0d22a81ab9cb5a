// tests/native/rtf_test.cpp — the RTF reader that printing and the converter share
#include "rtf/reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

using namespace rtf;

namespace {

// The tokens of an RTF text, one short word each: { } D:skip W:b1 T:xy H:e8 U:269 S:~
std::string tokens(std::string_view in) {
    static const char* const dest[] = {"text", "skip", "fonts", "colors", "label"};
    Reader r(in);
    Token t;
    std::string out;
    char hex[8];
    while (r.next(t)) {
        if (!out.empty()) out += ' ';
        switch (t.kind) {
        case Token::GroupStart: out += '{'; break;
        case Token::GroupEnd: out += '}'; break;
        case Token::Destination: out += std::string("D:") + dest[static_cast<int>(t.destination)]; break;
        case Token::Word:
            out += "W:" + std::string(t.word) + (t.hasParam ? std::to_string(t.param) : "");
            break;
        case Token::Symbol: out += std::string("S:") + t.byte; break;
        case Token::Text: out += "T:" + std::string(t.text); break;
        case Token::Byte:
            std::snprintf(hex, sizeof hex, "H:%02x", static_cast<unsigned char>(t.byte));
            out += hex;
            break;
        case Token::Unicode: out += "U:" + std::to_string(t.unicode); break;
        }
    }
    return out;
}

} // namespace

TEST(RtfReader, Tokens) {
    const struct {
        std::string in, expected;
    } rows[] = {
        {"\\b\\fs-20 x", "W:b W:fs-20 T:x"},            // the space after a word is its delimiter
        {"\\b  x", "W:b T: x"},                           // only one space is
        {"\\b-x", "W:b T:-x"},                            // a hyphen without digits is text
        {"\\fs99999999999999 a", "W:fs2147483647 T:a"},  // a huge parameter is clamped
        {"\\" + std::string(34, 'a'), "W:" + std::string(32, 'a') + " T:aa"}, // 32 letters at most
        {"\\'e8\\'4\\'x", "H:e8 H:04 T:x"},              // one hex digit is a byte; none is nothing
        {"a\r\nb\\\r\n", "T:a T:b S:\r"},                // raw line ends are not text
        {"\\~\\{\\\\", "S:~ S:{ S:\\"},
        {"\\bin3 {}}x}", "T:x"},                         // binary data is never read as RTF
        {"\\bin99 x", ""},
        {"}}}a", "T:a"},                                 // a '}' too many
        {"{\\*\\unknown a{b}}c", "{ D:skip { } } T:c"},  // only groups come out of a skipped one
        {"{\\header x}{\\b\\header y}", "{ D:skip } { W:b W:header T:y }"},
        {"{\\b\\pict x}{\\b\\fonttbl y}", "{ W:b D:skip } { W:b D:fonts T:y }"},
        {"{\\b\\*\\x y}", "{ W:b W:x T:y }"},            // \* counts only at a group's start
        {"{\\pntext 1.}", "{ D:label T:1. }"},
    };
    for (const auto& r : rows) EXPECT_EQ(tokens(r.in), r.expected) << r.in;
}

// \uN is followed by \ucN fallback characters for readers without Unicode: a byte, a \'xx,
// a control word or symbol count one each; a group's start or end ends the fallback.
TEST(RtfReader, UnicodeFallbacks) {
    const struct {
        std::string in, expected;
    } rows[] = {
        {"\\u269?x", "U:269 T:x"},
        {"\\u-3\\'e8x", "U:65533 T:x"},
        {"\\uc2\\u269 ab c", "U:269 T: c"},
        {"\\uc2\\u269\\b\\'e8x", "U:269 T:x"},
        {"\\uc0\\u269 x", "U:269 T:x"},
        {"\\u269{x}", "U:269 { T:x }"},
        {"{\\uc3}\\u269 ab", "{ } U:269 T:b"},          // \uc belongs to its group
        {"{\\*\\x \\u1}yz", "{ D:skip } T:yz"},       // a fallback never leaks out of a group
        {"\\u", "W:u"},
    };
    for (const auto& r : rows) EXPECT_EQ(tokens(r.in), r.expected) << r.in;
}

// Nesting beyond the limit is read flat: every GroupStart that comes out has its GroupEnd,
// and the text after the deep part is still read.
TEST(RtfReader, DeepNestingStaysBalanced) {
    const std::size_t n = Reader::kMaxDepth * 3;
    const std::string in = std::string(n, '{') + "x" + std::string(n, '}') + "y";
    Reader r(in);
    Token t;
    long depth = 0, maxDepth = 0;
    std::string text;
    while (r.next(t)) {
        if (t.kind == Token::GroupStart) maxDepth = std::max(maxDepth, ++depth);
        if (t.kind == Token::GroupEnd) --depth;
        if (t.kind == Token::Text) text += t.text;
        EXPECT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(maxDepth, static_cast<long>(Reader::kMaxDepth) - 1);
    EXPECT_EQ(text, "xy");
}
