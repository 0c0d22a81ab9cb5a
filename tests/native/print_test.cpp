// tests/native/print_test.cpp — reading RTF as formatted runs, and laying them out on pages
#include "document/printlayout.h"
#include "document/rtfruns.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

using namespace document;

namespace {

// Windows-1250 and 1252 as far as the samples need them; a byte it does not know gives '?'
// marked with the code page, so a wrong choice of code page shows.
std::u16string decode(int codePage, std::string_view bytes) {
    static const std::map<unsigned char, char16_t> cp1250 = {
        {0xE8, u'č'}, {0xF8, u'ř'}, {0x9E, u'ž'}, {0xE1, u'á'}, {0xED, u'í'}, {0xE9, u'é'}, {0xF9, u'ů'},
        {0xFA, u'ú'}, {0xEC, u'ě'}, {0x9A, u'š'}, {0xFD, u'ý'}, {0xC8, u'Č'}, {0xD8, u'Ř'}, {0x8E, u'Ž'},
        {0x8A, u'Š'}, {0x9D, u'ť'}, {0xEF, u'ď'}, {0xF2, u'ň'}, {0xF3, u'ó'}};
    std::u16string out;
    for (unsigned char b : bytes) {
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
        } else if (codePage == 1250 && cp1250.count(b)) {
            out += cp1250.at(b);
        } else if (codePage == 1252) {
            out += static_cast<char16_t>(b); // Latin-1 part of 1252
        } else {
            out += u'?';
        }
    }
    return out;
}

std::string utf8(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string paragraphText(const RtfDocument& d, size_t i) {
    std::u16string s;
    for (const auto& r : d.paragraphs.at(i).runs) s += r.text;
    return s;
}

std::vector<std::u16string> texts(const RtfDocument& d) {
    std::vector<std::u16string> v;
    for (size_t i = 0; i < d.paragraphs.size(); ++i) v.push_back(paragraphText(d, i));
    return v;
}

const CharFormat& formatOf(const RtfDocument& d, size_t para, size_t run) {
    return d.formats.at(static_cast<size_t>(d.paragraphs.at(para).runs.at(run).format));
}

} // namespace

// As the rich-edit control writes a document: font and colour tables, \'xx bytes in the
// font's code page, groups that end a format, paragraph formats set before the text.
TEST(RtfRuns, ControlStyleDocument) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1029{\\fonttbl{\\f0\\fnil\\fcharset238 Times New Roman;}"
        "{\\f1\\fswiss\\fcharset0 Arial;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}\r\n"
        "{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1\r\n"
        "\\pard\\qc\\f0\\fs28 P\\'f8\\'edli\\'9a {\\b tu\\'e8n\\'e9}\\b0  \\i kurz\\'edva\\i0\\par\r\n"
        "\\pard\\li720\\ri360\\fi-360\\cf1\\ul podtr\\'9een\\'e9\\ulnone\\cf2\\f1\\fs20  Arial \\'e8\\par\r\n"
        "\\pard\\qr\\cf0\\f0 konec}";
    const RtfDocument d = readRtf(rtf, decode);
    // (outside the assertion: the macro's text of it must be Windows-1250, and è is not)
    const std::vector<std::u16string> expected{u"Příliš tučné kurzíva", u"podtržené Arial è", u"konec"};
    ASSERT_EQ(texts(d), expected);

    const Paragraph& p0 = d.paragraphs[0];
    EXPECT_EQ(p0.align, Align::Center);
    ASSERT_EQ(p0.runs.size(), 4u);
    EXPECT_EQ(utf8(formatOf(d, 0, 0).face), "Times New Roman");
    EXPECT_EQ(formatOf(d, 0, 0).charset, 238);
    EXPECT_EQ(formatOf(d, 0, 0).halfPoints, 28);
    EXPECT_FALSE(formatOf(d, 0, 0).bold);
    EXPECT_TRUE(formatOf(d, 0, 1).bold);   // "tučné" inside the group
    EXPECT_FALSE(formatOf(d, 0, 2).bold);  // the group ended the bold
    EXPECT_TRUE(formatOf(d, 0, 3).italic);
    EXPECT_EQ(formatOf(d, 0, 0).color, kAutoColor);

    const Paragraph& p1 = d.paragraphs[1];
    EXPECT_EQ(p1.align, Align::Left); // \pard reset the centring
    EXPECT_EQ(p1.leftTwips, 720);
    EXPECT_EQ(p1.rightTwips, 360);
    EXPECT_EQ(p1.firstTwips, -360);
    EXPECT_TRUE(formatOf(d, 1, 0).underline);
    EXPECT_EQ(formatOf(d, 1, 0).color, 0x0000FFu);
    EXPECT_EQ(utf8(formatOf(d, 1, 1).face), "Arial");
    EXPECT_EQ(formatOf(d, 1, 1).color, 0x800000u);
    EXPECT_EQ(formatOf(d, 1, 1).halfPoints, 20);
    // "\'e8" in the Arial font (charset 0) is Windows-1252's è, not 1250's č
    EXPECT_EQ(d.paragraphs[2].align, Align::Right);
    EXPECT_EQ(formatOf(d, 2, 0).color, kAutoColor); // \cf0 with an empty first entry: auto
}

// As pandoc writes RTF: \u escapes with a fallback character, \uc changes, typographic
// quotes, list items with a tab stop, a field whose result is the visible text.
TEST(RtfRuns, ThirdPartyDocument) {
    const std::string rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f1 Courier;}}\n"
        "{\\colortbl;\\red255\\green0\\blue0;}\n"
        "{\\info{\\title N\\u225?zev}{\\author Autor}}\n"
        "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 \\b \\fs36 Kapitola\\par}\n"
        "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 P\\u345?\\u237?li\\u353? \\ldblquote \\u382?lu\\u357?ou\\u269?k\\u253?\\rdblquote  "
        "{\\i k\\u367?\\u328?} \\emdash  {\\field{\\*\\fldinst{HYPERLINK \"http://x.cz\"}}{\\fldrslt{\\ul odkaz}}}\\par}\n"
        "{\\pard \\ql \\f0 \\sa0 \\li360 \\fi-360 \\tx360\\bullet \\tab polo\\u382?ka\\par}\n"
        "{\\pard \\ql \\f0 \\uc2 dv\\u283\\'3f\\'3f ba\\uc0\\u357\\par}\n"
        "{\\pard {\\*\\bkmkstart x}{\\pict\\pngblip 89504e470d0a}text za obr\\u225?zkem\\par}\n"
        "}";
    const RtfDocument d = readRtf(rtf, decode);
    const std::vector<std::u16string> expected{u"Kapitola", u"Příliš “žluťoučký” kůň — odkaz", u"•\tpoložka",
                                                  u"dvě bať", u"text za obrázkem"};
    ASSERT_EQ(texts(d), expected);
    EXPECT_TRUE(formatOf(d, 0, 0).bold);
    EXPECT_EQ(formatOf(d, 0, 0).halfPoints, 36);
    EXPECT_FALSE(formatOf(d, 1, 0).bold); // the heading's bold ended with its group
    EXPECT_EQ(d.paragraphs[0].spaceAfterTwips, 180);
    EXPECT_EQ(d.paragraphs[2].tabStopsTwips, std::vector<int>{360});
    EXPECT_EQ(d.paragraphs[2].firstTwips, -360);
    const auto& runs = d.paragraphs[1].runs;
    EXPECT_TRUE(d.formats[static_cast<size_t>(runs.back().format)].underline); // the field's result
}

TEST(RtfRuns, PlainResetsCharacterFormatOnly) {
    const RtfDocument d = readRtf("{\\rtf1{\\fonttbl{\\f0 A;}{\\f1 B;}}\\pard\\qc\\f1\\b\\i\\fs40 x\\plain y\\par}", decode);
    ASSERT_EQ(d.paragraphs.size(), 1u);
    EXPECT_EQ(d.paragraphs[0].align, Align::Center);
    EXPECT_TRUE(formatOf(d, 0, 0).bold);
    EXPECT_EQ(utf8(formatOf(d, 0, 1).face), "A"); // back to the default font
    EXPECT_FALSE(formatOf(d, 0, 1).bold || formatOf(d, 0, 1).italic);
    EXPECT_EQ(formatOf(d, 0, 1).halfPoints, 24);
}

TEST(RtfRuns, ListLabelsAreNotCharactersOfTheText) {
    RtfDocument d = readRtf("{\\rtf1 ab\\par{\\pntext 1.\\tab}cd\\par ef}", decode);
    ASSERT_EQ(texts(d), (std::vector<std::u16string>{u"ab", u"1.\tcd", u"ef"}));
    EXPECT_FALSE(d.paragraphs[1].runs[0].counted);
    RtfDocument rest = d;
    dropCharacters(rest, 3); // "ab" and its paragraph mark
    EXPECT_EQ(texts(rest), (std::vector<std::u16string>{u"1.\tcd", u"ef"}));
    rest = d;
    dropCharacters(rest, 4); // and "c": the label of a paragraph already begun goes too
    EXPECT_EQ(texts(rest), (std::vector<std::u16string>{u"d", u"ef"}));
    rest = d;
    dropCharacters(rest, 5); // up to the mark of "cd": an empty paragraph is left
    EXPECT_EQ(texts(rest), (std::vector<std::u16string>{u"", u"ef"}));
    rest = d;
    dropCharacters(rest, 6); // and the mark
    EXPECT_EQ(texts(rest), (std::vector<std::u16string>{u"ef"}));
    rest = d;
    dropCharacters(rest, 100);
    EXPECT_TRUE(rest.paragraphs.empty());
}

// Damaged or hostile input: the reader ends, keeps what it can and never reads past the end.
TEST(RtfRuns, DamagedInput) {
    const std::string cases[] = {
        "",
        "{",
        "}}}}abc",
        "{\\rtf1 abc\\",
        "{\\rtf1 abc\\'",
        "{\\rtf1 abc\\'4",
        "{\\rtf1 \\u",
        "{\\rtf1 \\u-",
        "{\\rtf1 \\fs99999999999999999999 x\\u99999999999 y\\uc-5 z}",
        "{\\rtf1 {\\fonttbl{\\f0 never ended",
        "{\\rtf1 \\bin999999 x}",
        "{\\rtf1 {\\colortbl\\red300;;}{\\cf99 x}}",
        std::string("{\\rtf1 a\0b}", 11),
    };
    for (const auto& c : cases) {
        const RtfDocument d = readRtf(c, decode);
        EXPECT_FALSE(d.formats.empty()) << c;
    }
    EXPECT_EQ(texts(readRtf("}}}}abc", decode)), std::vector<std::u16string>{u"abc"});
    EXPECT_EQ(texts(readRtf("{\\rtf1 abc\\'4", decode)), std::vector<std::u16string>{u"abc\x04"});
    EXPECT_EQ(texts(readRtf("{\\rtf1 {\\colortbl\\red300;;}{\\cf99 x}}", decode)), std::vector<std::u16string>{u"x"});
    // very deep nesting: neither a crash nor a lost tail
    const std::string deep = "{\\rtf1 " + std::string(200000, '{') + "x" + std::string(200000, '}') + "y}";
    EXPECT_EQ(texts(readRtf(deep, decode)), std::vector<std::u16string>{u"xy"});
}

// --- layout

namespace {

// Every unit is 10 pixels wide (20 when bold); a line is 12 + 4 pixels high, 24 + 8 for
// formats of 48 half-points and more.
class FixedMeasure final : public Measure {
public:
    explicit FixedMeasure(const RtfDocument& d) : d_(d) {}
    FontMetrics metrics(int f) override {
        return d_.formats.at(static_cast<size_t>(f)).halfPoints >= 48 ? FontMetrics{24, 8} : FontMetrics{12, 4};
    }
    void extents(int f, std::u16string_view text, std::vector<int>& ends) override {
        const int w = d_.formats.at(static_cast<size_t>(f)).bold ? 20 : 10;
        ends.clear();
        for (size_t i = 0; i < text.size(); ++i) ends.push_back(static_cast<int>(i + 1) * w);
    }
    int width(const Piece& p) const { return static_cast<int>(p.text.size()) * (d_.formats[static_cast<size_t>(p.format)].bold ? 20 : 10); }

private:
    const RtfDocument& d_;
};

RtfDocument doc(std::vector<Paragraph> paras, std::vector<CharFormat> formats = {CharFormat{}}) {
    RtfDocument d;
    d.formats = std::move(formats);
    d.paragraphs = std::move(paras);
    return d;
}

Paragraph para(const std::u16string& text, Align a = Align::Left, int format = 0) {
    Paragraph p;
    p.align = a;
    if (!text.empty()) p.runs.push_back(document::Run{text, format, true});
    p.markFormat = format;
    return p;
}

// dpi 1440: a pixel is a twip
PageArea area(int w, int h) { return PageArea{w, h, 1440, 1440}; }

std::vector<std::u16string> lines(const Page& page) {
    std::vector<std::u16string> v;
    int baseline = -1;
    for (const auto& p : page.pieces) {
        if (p.baseline != baseline) v.emplace_back();
        baseline = p.baseline;
        v.back() += p.text;
    }
    return v;
}

} // namespace

TEST(PrintLayout, WrapsAtSpacesAndBreaksLongWords) {
    const RtfDocument d = doc({para(u"aaaa bbbb cccc dddddddddddddddd e")});
    FixedMeasure m(d);
    const auto pages = layoutPages(d, area(95, 1000), m);
    ASSERT_EQ(pages.size(), 1u);
    // 9 units fit: "aaaa bbbb" is 9; the 16-letter word is cut at 9
    EXPECT_EQ(lines(pages[0]), (std::vector<std::u16string>{u"aaaa bbbb", u"cccc", u"ddddddddd", u"ddddddd e"}));
    for (const auto& p : pages[0].pieces) EXPECT_LE(p.x + m.width(p), 95);
}

TEST(PrintLayout, AlignmentAndIndents) {
    Paragraph centred = para(u"abc", Align::Center);
    Paragraph right = para(u"abc  ", Align::Right); // trailing blanks take no room
    Paragraph indented = para(u"aaaa bbbb cccc", Align::Left);
    indented.leftTwips = 100;
    indented.firstTwips = -50;
    indented.rightTwips = 150;
    const RtfDocument d = doc({centred, right, indented});
    FixedMeasure m(d);
    const auto pages = layoutPages(d, area(300, 1000), m);
    ASSERT_EQ(pages.size(), 1u);
    const auto& ps = pages[0].pieces;
    ASSERT_EQ(ps.size(), 4u);
    EXPECT_EQ(ps[0].x, (300 - 30) / 2);
    EXPECT_EQ(ps[1].x, 300 - 30);
    EXPECT_EQ(utf8(ps[1].text), "abc");
    // first line from 50 (left + first), then from 100; the right indent keeps 150 free:
    // 100 pixels on the first line take "aaaa bbbb" (90), the 50 of the next "cccc"
    EXPECT_EQ(ps[2].x, 50);
    EXPECT_EQ(utf8(ps[2].text), "aaaa bbbb");
    EXPECT_EQ(ps[3].x, 100);
    EXPECT_EQ(utf8(ps[3].text), "cccc");
    EXPECT_EQ(ps[1].baseline - ps[0].baseline, 16);
}

TEST(PrintLayout, TabsLineBreaksAndFormats) {
    std::vector<CharFormat> formats(2);
    formats[1].bold = true;
    Paragraph p;
    p.runs = {document::Run{u"a\tb", 0, true}, document::Run{u"BB", 1, true}, document::Run{u"\vc\td\te", 0, true}};
    p.tabStopsTwips = {400};
    const RtfDocument d = doc({p}, formats);
    FixedMeasure m(d);
    const auto pages = layoutPages(d, area(2000, 1000), m);
    const auto& ps = pages.at(0).pieces;
    ASSERT_EQ(ps.size(), 6u);
    EXPECT_EQ(ps[0].x, 0);
    EXPECT_EQ(ps[1].x, 400);     // the paragraph's own stop
    EXPECT_EQ(utf8(ps[1].text), "b");
    EXPECT_EQ(ps[2].x, 410);     // the bold run goes on right after "b"
    EXPECT_EQ(ps[2].format, 1);
    EXPECT_EQ(utf8(ps[3].text), "c"); // after the line break, on the next line
    EXPECT_GT(ps[3].baseline, ps[2].baseline);
    EXPECT_EQ(ps[4].x, 400);
    EXPECT_EQ(ps[5].x, 720);     // past the stops of the paragraph: every half inch
}

TEST(PrintLayout, Pagination) {
    std::vector<Paragraph> paras;
    for (int i = 0; i < 25; ++i) paras.push_back(para(std::u16string(u"radek ") + char16_t(u'a' + i)));
    paras[10].runs[0].text += u'\f'; // a page break after the eleventh line
    for (int i = 0; i < 30; ++i) paras.push_back(para(u"")); // empty lines at the end
    const RtfDocument d = doc(paras);
    FixedMeasure m(d);
    const auto pages = layoutPages(d, area(1000, 100), m); // 6 lines of 16 to a page
    ASSERT_EQ(pages.size(), 5u); // 6 + 5 | 6 + 6 + 2: the empty lines start no page
    EXPECT_EQ(lines(pages[0]).size(), 6u);
    EXPECT_EQ(lines(pages[1]).size(), 5u);
    EXPECT_EQ(lines(pages[1]).back(), u"radek k");
    EXPECT_EQ(lines(pages[2]).front(), u"radek l");
    EXPECT_EQ(lines(pages[4]), (std::vector<std::u16string>{u"radek x", u"radek y"}));
    for (const auto& page : pages)
        for (const auto& p : page.pieces) EXPECT_LE(p.baseline + 4, 100);
}

TEST(PrintLayout, EmptyDocumentAndLinesTallerThanThePage) {
    const RtfDocument empty = doc({});
    FixedMeasure m0(empty);
    EXPECT_EQ(layoutPages(empty, area(100, 100), m0).size(), 1u);

    std::vector<CharFormat> formats(2);
    formats[1].halfPoints = 48; // 32 pixels high on a page of 20
    const RtfDocument d = doc({para(u"big", Align::Left, 1), para(u"big", Align::Left, 1), para(u"small")}, formats);
    FixedMeasure m(d);
    const auto pages = layoutPages(d, area(100, 20), m);
    ASSERT_EQ(pages.size(), 3u); // one line each: no page is left without progress
    EXPECT_EQ(lines(pages[2]), std::vector<std::u16string>{u"small"});
}

// Random documents on random pages: every visible character is laid out once and in order,
// nothing lies outside the area, the layout ends.
TEST(PrintLayout, RandomDocumentsKeepTheirText) {
    std::mt19937 rng(1250);
    for (int round = 0; round < 300; ++round) {
        std::vector<CharFormat> formats(3);
        formats[1].bold = true;
        formats[2].halfPoints = 48;
        std::vector<Paragraph> paras;
        std::u16string expected;
        const int n = static_cast<int>(rng() % 8);
        for (int i = 0; i < n; ++i) {
            Paragraph p;
            p.align = static_cast<Align>(rng() % 4);
            p.leftTwips = static_cast<int>(rng() % 60);
            p.rightTwips = static_cast<int>(rng() % 60);
            p.firstTwips = static_cast<int>(rng() % 40) - 20;
            const int runs = static_cast<int>(rng() % 5);
            for (int r = 0; r < runs; ++r) {
                std::u16string t;
                const int len = static_cast<int>(rng() % 30);
                for (int k = 0; k < len; ++k) {
                    const unsigned x = rng() % 10;
                    t += x < 2 ? u' ' : static_cast<char16_t>(u'a' + x);
                    if (t.back() != u' ') expected += t.back();
                }
                p.runs.push_back(document::Run{t, static_cast<int>(rng() % 3), true});
            }
            paras.push_back(p);
        }
        const RtfDocument d = doc(paras, formats);
        FixedMeasure m(d);
        const int w = 40 + static_cast<int>(rng() % 300), h = 10 + static_cast<int>(rng() % 200);
        const auto pages = layoutPages(d, area(w, h), m);
        ASSERT_GE(pages.size(), 1u);
        std::u16string got;
        for (const auto& page : pages) {
            for (const auto& p : page.pieces) {
                for (char16_t c : p.text)
                    if (c != u' ') got += c;
                EXPECT_GE(p.x, 0);
                // only a single unit wider than the line may stick out
                if (p.text.size() > 1) {
                    EXPECT_LE(p.x + m.width(p), w) << round;
                }
            }
        }
        EXPECT_EQ(got, expected) << round;
    }
}

// A document may give any measure: spaces, indents and tab stops at the ends of the int range
// lay out without overflowing (UBSan makes an overflow fatal here) and keep the text.
TEST(PrintLayout, MeasuresAtTheEndsOfTheRangeStayNumbers) {
    constexpr int kMax = 2147483647, kMin = -2147483647 - 1;
    const struct { const char* what; int left, right, first, before, after, tab; } cases[] = {
        {"space after", 0, 0, 0, 0, kMax, 0},    {"space before", 0, 0, 0, kMax, 0, 0},
        {"both spaces", 0, 0, 0, kMax, kMax, 0}, {"indents far out", kMax, kMax, kMax, 0, 0, 0},
        {"indents far in", kMin, kMin, kMin, 0, 0, 0}, {"first line back", kMax, 0, kMin, 0, 0, 0},
        {"tab stop", 0, 0, 0, 0, 0, kMax},
    };
    for (const auto& c : cases) {
        std::vector<Paragraph> paras{para(u"ab\tc"), para(u"de")};
        for (auto& p : paras) {
            p.leftTwips = c.left, p.rightTwips = c.right, p.firstTwips = c.first;
            p.spaceBeforeTwips = c.before, p.spaceAfterTwips = c.after;
            if (c.tab) p.tabStopsTwips = {c.tab};
        }
        const RtfDocument d = doc(paras);
        FixedMeasure m(d);
        const auto pages = layoutPages(d, area(200, 100), m);
        std::u16string text;
        for (const auto& page : pages)
            for (const auto& piece : page.pieces)
                for (char16_t ch : piece.text)
                    if (ch != u'\t') text += ch; // a tab at the end of a line is not drawn
        EXPECT_EQ(text, u"abcde") << c.what;
    }
}
