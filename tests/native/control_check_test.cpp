// tests/native/control_check_test.cpp — the pass that keeps from the rich-edit control what
// it cannot read: deep groups, overlong words, and truncated texts made whole
#include "rtf/control_check.h"

#include <gtest/gtest.h>

#include <string>

using namespace rtf;

namespace {

const std::string kHead = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}";

std::string nested(std::size_t depth) { // `depth` groups one inside the other, the outermost included
    return kHead + std::string(depth - 1, '{') + "x" + std::string(depth - 1, '}') + "}";
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    while (n-- > 0) out += s;
    return out;
}

std::string fonts(const std::string& name) {
    return "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss " + name + ";}}\\f0 x}";
}

struct Case {
    const char* what;
    std::string rtf;
    ControlCheck::Kind kind;
};

TEST(ControlCheck, FindsWhatTheControlCannotRead) {
    const std::string longWord(kControlMaxWord, 'a');
    const Case cases[] = {
        {"plain document", kHead + "\\b bold\\b0  text\\par}", ControlCheck::Fine},
        {"deepest the control reads", nested(kControlMaxDepth), ControlCheck::Fine},
        {"one deeper", nested(kControlMaxDepth + 1), ControlCheck::TooDeep},
        {"thousands deep", nested(5000), ControlCheck::TooDeep},
        {"deep in a skipped group", kHead + "{\\*\\x" + std::string(40, '{') + "}", ControlCheck::TooDeep},
        {"escaped braces do not nest", kHead + repeat("\\{", 50) + "}", ControlCheck::Fine},
        {"an escaped backslash escapes no brace", kHead + repeat("\\\\{", 40), ControlCheck::TooDeep},
        {"longest word", kHead + "\\" + longWord.substr(1) + " x}", ControlCheck::Fine},
        {"word one longer", kHead + "\\" + longWord + " x}", ControlCheck::LongWord},
        {"long number", kHead + "\\fs" + std::string(1100, '1') + " x}", ControlCheck::LongWord},
        {"long negative number", kHead + "\\li-" + std::string(1100, '9') + " x}", ControlCheck::LongWord},
        {"long word cut by the end", kHead + "\\" + std::string(2000, 'q'), ControlCheck::LongWord},
        {"long text is no word", kHead + std::string(100000, 'a') + "}", ControlCheck::Fine},
        {"hex bytes", kHead + "\\'e8\\'9a}", ControlCheck::Fine},
        {"deep after the end is not read", nested(3) + std::string(40, '{'), ControlCheck::Fine},
        {"longest font name", fonts(std::string(kControlMaxName, 'F')), ControlCheck::Fine},
        {"font name one longer", fonts(std::string(kControlMaxName + 1, 'F')), ControlCheck::LongName},
        {"font name of \\'xx", fonts(repeat("\\'e8", 600)), ControlCheck::LongName},
        {"font name of words", fonts("x" + repeat("\\b ", 600)), ControlCheck::LongName},
        {"words before a name are no name", fonts(repeat("\\b ", 600) + "Arial"), ControlCheck::Fine},
        {"many fonts", "{\\rtf1{\\fonttbl" + repeat("{\\f1\\fnil\\fcharset238 " + std::string(400, 'G') + ";}", 50) + "}x}",
         ControlCheck::Fine},
        {"names end at ';'", fonts(repeat(std::string(400, 'H') + ";", 50)), ControlCheck::Fine},
        {"long style name", "{\\rtf1{\\stylesheet{\\s1 " + std::string(2000, 'S') + ";}}x}", ControlCheck::LongName},
        {"long text after the table", fonts("Arial") + std::string(5000, 'x') + "}", ControlCheck::Fine},
        // tables: each cell of a row needs its edge, and a row holds 63 cells at most
        {"row as written", kHead + "\\trowd\\cellx1\\cellx2\\intbl a\\cell b\\cell\\row\\pard x}", ControlCheck::Fine},
        {"next row keeps the edges", kHead + "\\trowd\\cellx1\\intbl a\\cell\\row\\intbl b\\cell\\row}", ControlCheck::Fine},
        {"edges after the cells", kHead + "\\intbl a\\cell b\\cell{\\trowd\\cellx1\\cellx2\\row}}", ControlCheck::Fine},
        {"more cells than edges", kHead + "\\trowd\\cellx1\\cellx2\\intbl" + repeat(" a\\cell", 3) + "\\row}",
         ControlCheck::BadTable},
        {"more cells than edges, no row end", kHead + "\\trowd\\cellx1\\intbl" + repeat(" a\\cell", 60) + "}",
         ControlCheck::BadTable},
        {"63 cells", kHead + "\\trowd" + repeat("\\cellx9", 63) + repeat(" a\\cell", 63) + "\\row}", ControlCheck::Fine},
        {"64 cells", kHead + "\\trowd" + repeat("\\cellx9", 64) + repeat(" a\\cell", 64) + "\\row}",
         ControlCheck::BadTable},
        {"nested row as written", kHead + "\\trowd\\cellx5\\intbl{\\itap2\\intbl x\\nestcell y\\nestcell"
                                          "{\\*\\nesttableprops\\trowd\\cellx1\\cellx2\\nestrow}}\\cell\\row}",
         ControlCheck::Fine},
        {"three levels as written",
         kHead + "\\trowd\\cellx5\\intbl\\itap2 a\\nestcell\\itap3 x\\nestcell y\\nestcell"
                 "{\\*\\nesttableprops\\trowd\\cellx1\\cellx2\\nestrow}\\itap2 b\\nestcell"
                 "{\\*\\nesttableprops\\trowd\\cellx1\\cellx2\\nestrow}\\pard\\intbl\\cell\\row}",
         ControlCheck::Fine},
        {"nested cells beyond their edges", kHead + "\\trowd\\cellx5\\intbl{\\itap2\\intbl" + repeat(" x\\nestcell", 5) +
                                                    "{\\*\\nesttableprops\\trowd\\cellx1\\nestrow}}\\cell\\row}",
         ControlCheck::BadTable},
        {"cut in the text", kHead + "{\\b bold} and {\\i ital", ControlCheck::Truncated},
        {"cut in a word", kHead + "{\\b bold} \\pa", ControlCheck::Truncated},
        {"cut in a hex byte", kHead + "x\\'e", ControlCheck::Truncated},
        {"cut after a backslash", kHead + "x\\", ControlCheck::Truncated},
    };
    for (const Case& c : cases) EXPECT_EQ(checkForControl(c.rtf).kind, c.kind) << c.what;
}

TEST(ControlCheck, SaysWhereTheFaultStarts) {
    const std::string deep = nested(40);
    EXPECT_EQ(checkForControl(deep).offset, kHead.size() + kControlMaxDepth - 1);
    const std::string word = kHead + "abc\\" + std::string(3000, 'z');
    EXPECT_EQ(checkForControl(word).offset, kHead.size() + 3);
}

// A row never ended loses the whole document in Wine's control: it is ended after its last cell.
TEST(ControlCheck, ARowLeftOpenIsEndedAfterItsLastCell) {
    const struct {
        std::string rtf, readable;
    } cases[] = {
        {kHead + "\\trowd\\cellx1\\cellx2\\intbl a\\cell b\\cell \\pard konec\\par}",
         kHead + "\\trowd\\cellx1\\cellx2\\intbl a\\cell b\\cell \\row \\pard konec\\par}"},
        {kHead + "\\trowd\\cellx1\\intbl a\\cell\\row\\intbl b\\cell}", kHead + "\\trowd\\cellx1\\intbl a\\cell\\row\\intbl b\\cell\\row }"},
        {kHead + "\\trowd\\cellx1\\intbl a\\cell x {\\b cut", kHead + "\\trowd\\cellx1\\intbl a\\cell \\row x {\\b cut}}"},
    };
    for (const auto& c : cases) {
        const ControlCheck check = checkForControl(c.rtf);
        EXPECT_TRUE(check.openRow) << c.rtf;
        EXPECT_TRUE(check.safe()) << c.rtf;
        const std::string readable = closeGroups(c.rtf, check);
        EXPECT_EQ(readable, c.readable);
        EXPECT_FALSE(checkForControl(readable).openRow) << readable;
        EXPECT_EQ(checkForControl(readable).kind, ControlCheck::Fine) << readable;
    }
    EXPECT_FALSE(checkForControl(kHead + "\\trowd\\cellx1\\intbl a\\cell\\row}").openRow);
}

TEST(ControlCheck, TruncatedTextIsMadeWhole) {
    const struct {
        std::string cut, whole;
    } cases[] = {
        {kHead + "{\\b bold} and {\\i ital", kHead + "{\\b bold} and {\\i ital}}"},
        {kHead + "text \\pa", kHead + "text }"},
        {kHead + "text \\par ", kHead + "text \\par }"},
        {kHead + "x\\'e", kHead + "x}"},
        {kHead + "x\\", kHead + "x}"},
        {"{\\rtf1{{{", "{\\rtf1{{{}}}}"},
    };
    for (const auto& c : cases) {
        const ControlCheck check = checkForControl(c.cut);
        ASSERT_EQ(check.kind, ControlCheck::Truncated) << c.cut;
        const std::string whole = closeGroups(c.cut, check);
        EXPECT_EQ(whole, c.whole);
        EXPECT_EQ(checkForControl(whole).kind, ControlCheck::Fine) << whole;
    }
}

} // namespace
