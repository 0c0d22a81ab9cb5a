// tests/native/glyvarin_test.cpp — the converter's table, data file, lookup and text planning
#include "companions/langdll.h"
#include "glyvarin/plan.h"
#include "glyvarin/table.h"
#include "glyvarin/texty.h"

#include <gtest/gtest.h>

#include <random>

using namespace glyvarin;

namespace {

ConversionTable tableOf(std::initializer_list<std::pair<unsigned char, unsigned char>> entries) {
    ConversionTable t;
    for (auto [s, r] : entries) t.append(s, r);
    return t;
}

std::string bytes(std::initializer_list<int> b) {
    std::string s;
    for (int x : b) s.push_back(static_cast<char>(x));
    return s;
}

// Latin-1 as a stand-in code page, with 0x81 undefined (as in Windows-1250).
std::optional<char16_t> latin1(unsigned char b) {
    if (b == 0x81) return std::nullopt;
    return static_cast<char16_t>(b);
}

} // namespace

TEST(ConverterTableFile, ReadsAndWritesTwoByteRecords) {
    const ConversionTable t = parseTable(bytes({0x31, 0x49, 0x30, 0x4F}));
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t.source(0), '1');
    EXPECT_EQ(t.replacement(0), 'I');
    EXPECT_EQ(t.source(1), '0');
    EXPECT_EQ(t.replacement(1), 'O');
    EXPECT_EQ(serializeTable(t), bytes({0x31, 0x49, 0x30, 0x4F}));

    // byte 0 is an ordinary character on either side, and duplicates stay in order
    const std::string withZero = bytes({0x00, 0x41, 0x61, 0x00, 0x61, 0x62, 0xFF, 0xFE});
    const ConversionTable z = parseTable(withZero);
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z.source(0), 0);
    EXPECT_EQ(z.replacement(1), 0);
    EXPECT_EQ(serializeTable(z), withZero);

    EXPECT_TRUE(parseTable("").empty());
    EXPECT_EQ(serializeTable(ConversionTable{}), "");
}

TEST(ConverterTableFile, OddTrailingByteIsLeftOut) {
    const ConversionTable t = parseTable(bytes({0x61, 0x62, 0x63}));
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t.lookup('c'), 'c'); // the lone byte converts nothing
    EXPECT_EQ(serializeTable(t), bytes({0x61, 0x62}));
    EXPECT_TRUE(parseTable(bytes({0x61})).empty());
}

TEST(ConverterTableFile, AnyTableSurvivesARoundTrip) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        ConversionTable t;
        const int n = static_cast<int>(rng() % 40);
        for (int i = 0; i < n; ++i) t.append(static_cast<unsigned char>(rng()), static_cast<unsigned char>(rng()));
        const std::string file = serializeTable(t);
        ASSERT_EQ(file.size(), 2 * t.size());
        EXPECT_EQ(parseTable(file), t);
    }
}

TEST(ConverterLookup, FirstEntryForASourceWinsAndNothingChains) {
    const ConversionTable t = tableOf({{'a', 'x'}, {'a', 'y'}, {'b', 'c'}, {'c', 'd'}, {'e', 'e'}});
    EXPECT_EQ(t.lookup('a'), 'x');
    EXPECT_EQ(t.lookup('b'), 'c'); // not 'd'
    EXPECT_EQ(t.lookup('A'), 'A'); // case matters
    EXPECT_EQ(t.lookup('e'), 'e');
    EXPECT_EQ(t.lookup('z'), 'z');
    EXPECT_EQ(ConversionTable{}.lookup('q'), 'q');
}

TEST(ConverterLookup, MapAgreesWithTheLinearLookupForEveryByte) {
    std::mt19937 rng(11);
    for (int round = 0; round < 100; ++round) {
        ConversionTable t;
        const int n = static_cast<int>(rng() % 300); // many duplicates past 256
        for (int i = 0; i < n; ++i) t.append(static_cast<unsigned char>(rng()), static_cast<unsigned char>(rng()));
        const LookupMap map = buildLookup(t);
        for (int c = 0; c < 256; ++c)
            ASSERT_EQ(map[static_cast<size_t>(c)], t.lookup(static_cast<unsigned char>(c))) << c;
    }
}

TEST(ConverterTexts, CzechFallbackMatchesTheCzechLanguageLibrary) {
    const auto& czech = companion::texts().converter;
    ASSERT_EQ(czech.size(), kTextCount);
    for (std::size_t i = 0; i < kTextCount; ++i) EXPECT_EQ(czech[i], kCeskeTexty[i]) << i;
}

TEST(ConverterPlan, StructuralCharactersAreNeitherConvertedNorProduced) {
    const ConversionTable t = tableOf({{'a', '\r'}, {'\r', 'x'}, {'\t', ' '}, {'b', 0}, {0x81, 'q'},
                                       {'c', 0x81}, {0xE8, 'c'}, {'d', 'e'}});
    const WideLookup w(buildLookup(t), latin1);
    EXPECT_EQ(w.convert(u"ab\r\tcd\u00E8\u0101"), u"ab\r\tce" u"c\u0101");
}

TEST(ConverterPlan, StretchesRunFromChangedToChangedWithinAParagraph) {
    const struct {
        std::u16string before, after;
        std::size_t max;
        std::vector<Stretch> expected;
    } rows[] = {
        {u"abc", u"abc", 10, {}},
        {u"xbx", u"ybz", 10, {{0, 3}}},                   // the unchanged b is written back
        {u"ab\rcd", u"Ab\rCD", 10, {{0, 1}, {3, 5}}},     // never across a paragraph break
        {u"a\tb", u"A\tB", 10, {{0, 1}, {2, 3}}},         // nor across a tab (a table cell's end)
        {u"aaaaa", u"bbbbb", 2, {{0, 2}, {2, 4}, {4, 5}}}, // at most max long
        {u"a..a", u"b..b", 3, {{0, 1}, {3, 4}}},          // the second change lies beyond max
        {u"x\\rtf", u"{\\rtf", 10, {{0, 1}}},             // a "{\" start goes alone
        {u"", u"", 10, {}},
    };
    for (const auto& r : rows) EXPECT_EQ(planStretches(r.before, r.after, r.max), r.expected) << r.max;
}

TEST(ConverterPlan, RtfRunsFollowTheFormatChanges) {
    // what a rich-edit control writes for a selection of three runs
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;}{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1\\pard"
        "\\f0\\fs20 P\\'f8\\'edli\\'9a \\b \\u382?lu\\b0\\cf1\\up4 x\\{\\}\\\\\\~y}";
    const RtfRuns r = readRtfRuns(rtf);
    EXPECT_EQ(r.text, u"P\uFFFF\uFFFFli\uFFFF \u017Elux{}\\\u00A0y");
    EXPECT_EQ(r.breaks, (std::vector<std::size_t>{7, 10}));
    EXPECT_TRUE(sameText(r.text, u"Příliš žlux{}\\\u00A0y"));
    EXPECT_FALSE(sameText(r.text, u"Příliš žlux{}\\ y"));
    EXPECT_FALSE(sameText(r.text, u"Příliš žlux{}\\\u00A0"));

    // \uc2 drops two fallback characters; groups around runs mark changes too
    const RtfRuns g = readRtfRuns("{\\rtf1{\\uc2\\u269 cc}{\\i a}b{\\*\\unknown z}c}");
    EXPECT_EQ(g.text, u"\u010Dabc");
    EXPECT_EQ(g.breaks, (std::vector<std::size_t>{1, 2, 3})); // a skipped group counts as a change

    // a \u inside a skipped group has its fallback there too: the text after it stays whole
    EXPECT_EQ(readRtfRuns("{\\rtf1{\\*\\x \\u1}ab}").text, u"ab");
}

TEST(ConverterPlan, DamagedRtfNeverReadsPastItsEnd) {
    for (const char* rtf : {"{\\", "{\\'", "{\\'4", "\\u", "\\u-", "}}}", "{\\*", "{\\uc9\\u65 ", ""}) {
        const RtfRuns r = readRtfRuns(rtf);
        EXPECT_LE(r.text.size(), 1u) << rtf;
    }
}
