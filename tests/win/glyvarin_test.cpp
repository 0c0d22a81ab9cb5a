// tests/win/glyvarin_test.cpp — glyvarin.dll: its start-up over characters.dia, the converter
// texts, and the conversion of a real rich-edit control
#include "tests/win/glyvarin_support.h"

#include "glyvarin/texty.h"

#include <commctrl.h>

#include <cstring>

using namespace convtest;

namespace {

const std::string kCzechTable = tableFile({{0xE1, 'a'}, {0xE8, 'c'}, {0xF8, 'r'}, {0x9A, 's'}, {0x9E, 'z'},
                                            {0xFD, 'y'}, {0xED, 'i'}, {0xC8, 'C'}, {0x8A, 'S'}});

std::string czech(std::size_t i) { return std::string(glyvarin::kCeskeTexty.at(i)); }

std::string langCs() { return testFolder() + "lang.cs.dll"; }

bool quitPosted() {
    MSG m;
    return PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

CHARFORMAT2A format(const char* face, int twips, DWORD effects, COLORREF color) {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR |
                CFM_CHARSET | CFM_OFFSET;
    std::strcpy(cf.szFaceName, face);
    cf.yHeight = twips;
    cf.dwEffects = effects;
    cf.crTextColor = color;
    cf.bCharSet = EASTEUROPE_CHARSET;
    return cf;
}

// The library over a table of Czech letters, and a document.
class Conversion : public ::testing::Test {
protected:
    Glyvarin lib{kCzechTable};
    Document doc;
    void SetUp() override { lib.predejKnihovnu(langCs().c_str()); }
    void convert() { lib.PrevestZnaky(doc.status(), doc.edit()); }
};

// The library over a table of its own, and a document.
struct Converter {
    Glyvarin lib;
    Document doc;
    explicit Converter(const std::string& table) : lib(table) { lib.predejKnihovnu(langCs().c_str()); }
    void convert() { lib.PrevestZnaky(doc.status(), doc.edit()); }
};

} // namespace

TEST(GlyvarinLibrary, ExportsItsFourProceduresByName) {
    HMODULE m = LoadLibraryA("glyvarin.dll");
    ASSERT_NE(m, nullptr);
    for (const char* name : {"PrevestZnaky", "zobraz", "predejKnihovnu", "predejKomponentu"})
        EXPECT_NE(GetProcAddress(m, name), nullptr) << name;
    FreeLibrary(m);
}

TEST(GlyvarinLibrary, MissingDataFileIsReportedWithTheLanguageTextsAndEndsTheProgram) {
    Glyvarin lib(std::nullopt);
    EXPECT_TRUE(lib.boxes().empty()); // nothing is shown while the library loads
    lib.predejKomponentu(nullptr);
    EXPECT_TRUE(lib.boxes().empty());
    lib.predejKnihovnu((testFolder() + "conv-short.dll").c_str());
    ASSERT_EQ(lib.boxes().size(), 1u);
    EXPECT_EQ(lib.boxes()[0].text, "K0");
    EXPECT_EQ(lib.boxes()[0].caption, "K1");
    EXPECT_EQ(lib.boxes()[0].flags, UINT(MB_ICONERROR));
    EXPECT_EQ(lib.boxes()[0].owner, nullptr);
    EXPECT_TRUE(quitPosted());
    lib.predejKnihovnu(langCs().c_str()); // reported once only
    EXPECT_EQ(lib.boxes().size(), 1u);
}

TEST(GlyvarinLibrary, MissingDataFileBeforeAnyLanguageIsReportedInCzech) {
    Glyvarin lib(std::nullopt);
    Document doc;
    doc.setText("abc");
    lib.PrevestZnaky(doc.status(), doc.edit());
    ASSERT_EQ(lib.boxes().size(), 1u);
    EXPECT_EQ(lib.boxes()[0].text, czech(0));
    EXPECT_EQ(lib.boxes()[0].caption, czech(1));
    EXPECT_TRUE(quitPosted());
    EXPECT_EQ(doc.text(), u"abc");
}

TEST(GlyvarinLibrary, OddDataFileKeepsItsWholeRecordsOnly) {
    Glyvarin lib(std::string("ab") + "c");
    Document doc;
    lib.predejKnihovnu(langCs().c_str());
    doc.setText("abcabc");
    lib.PrevestZnaky(doc.status(), doc.edit());
    EXPECT_EQ(doc.text(), u"bbcbbc");
    EXPECT_TRUE(lib.boxes().empty());
}

TEST(GlyvarinLibrary, TextsFallBackOnCzechWhateverTheLanguageLibraryLacks) {
    Glyvarin lib(tableFile({{'a', 'b'}}));
    Document doc;
    doc.setText("a");
    const struct { std::string library; std::string start, end; } rows[] = {
        {testFolder() + "conv-short.dll", czech(12), czech(13)}, // gives only texts 0..4
        {testFolder() + "conv-none.dll", czech(12), czech(13)},  // has no dejPrevodnik
        {testFolder() + "no-such-library.dll", czech(12), czech(13)},
        {"", czech(12), czech(13)},
        {langCs(), czech(12), czech(13)},
    };
    for (const auto& r : rows) {
        lib.predejKnihovnu(r.library.c_str());
        doc.setText("");
        lib.PrevestZnaky(doc.status(), doc.edit()); // an empty document stops after the start text
        EXPECT_EQ(doc.statusText(), r.start) << r.library;
        doc.setText("a");
        lib.PrevestZnaky(doc.status(), doc.edit());
        EXPECT_EQ(doc.statusText(), r.end) << r.library;
    }
    EXPECT_EQ(doc.text(), u"b");
    EXPECT_TRUE(lib.boxes().empty());
}

TEST(Conversions, SelectionIsConvertedAndStaysSelected) {
    Converter c(tableFile({{'a', 'x'}}));
    c.doc.setText("zz abA zz");
    c.doc.select(3, 6);
    c.convert();
    EXPECT_EQ(c.doc.text(), u"zz xbA zz");
    const CHARRANGE sel = c.doc.selection();
    EXPECT_EQ(sel.cpMin, 3);
    EXPECT_EQ(sel.cpMax, 6);
    EXPECT_EQ(c.doc.statusText(), czech(13));
}

TEST_F(Conversion, WholeTextKeepsEmptyLinesAndTheCaret) {
    doc.setText("P\xF8\xED\x9A" "ern\xEC\r\r\r\x8A\xE1la \xE8\xED\r\rkon\xE8\xED");
    doc.select(4, 4);
    SendMessageA(doc.edit(), EM_SETMODIFY, FALSE, 0);
    convert();
    EXPECT_EQ(doc.text(), u"Pris" u"ern\u011B\r\r\rSala ci\r\rkonci"); // ě is not in this table
    EXPECT_TRUE(SendMessageA(doc.edit(), EM_GETMODIFY, 0, 0)); // the document must be saved again
    const CHARRANGE sel = doc.selection();
    EXPECT_EQ(sel.cpMin, 4);
    EXPECT_EQ(sel.cpMax, 4);
    EXPECT_EQ(doc.statusText(), czech(13));
}

TEST_F(Conversion, EmptyDocumentShowsOnlyTheStartText) {
    SendMessageA(doc.status(), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("jiný text"));
    convert();
    EXPECT_EQ(doc.statusText(), czech(12));
    EXPECT_EQ(doc.text(), u"");
}

TEST(Conversions, EmptyTableChangesNothingButReportsTheEnd) {
    Converter c{std::string()};
    c.doc.setText("\xE8\xE1st");
    c.convert();
    EXPECT_EQ(c.doc.text(), u"\u010D\u00E1st");
    EXPECT_EQ(c.doc.statusText(), czech(13));
}

TEST_F(Conversion, EveryCharacterKeepsItsWholeFormat) {
    // Each character of a Czech text gets its own format: faces, styles, whole and half point
    // sizes, colours, strike-out, raised and lowered text. Keeping only face, style and whole
    // points per character would lose the colours, the 10.5 points and the offsets.
    const std::string ansi = "P\xF8\xED\x9A" "ern\xEC \x9Elu\x9Do\xE8k\xFD k\xF9\xF2 \xFAp\xECl \xEF\xE1" "belsk\xE9 \xF3" "dy";
    doc.setText(ansi);
    const char* faces[] = {"Arial", "Times New Roman", "Courier New"};
    const int sizes[] = {240, 210, 180, 300};
    const DWORD effects[] = {0, CFE_BOLD, CFE_ITALIC, CFE_UNDERLINE, CFE_STRIKEOUT, CFE_BOLD | CFE_ITALIC};
    const COLORREF colours[] = {RGB(0, 0, 0), RGB(200, 0, 0), RGB(0, 120, 0), RGB(10, 20, 230)};
    const long n = static_cast<long>(ansi.size());
    for (long i = 0; i < n; ++i) {
        CHARFORMAT2A cf = format(faces[i % 3], sizes[(i / 2) % 4], effects[(i / 3) % 6], colours[(i / 5) % 4]);
        cf.yOffset = (i % 7 == 3) ? 40 : (i % 11 == 5 ? -30 : 0);
        doc.setFormat(i, i + 1, cf);
    }
    // runs longer than one character too, where only the colour changes between them
    doc.setFormat(20, 26, format("Arial", 210, CFE_BOLD, RGB(200, 0, 0)));
    doc.setFormat(23, 24, format("Arial", 210, CFE_BOLD, RGB(0, 0, 200)));
    std::vector<CHARFORMAT2A> before;
    for (long i = 0; i < n; ++i) before.push_back(doc.formatAt(i));

    doc.select(0, 0);
    convert();
    EXPECT_EQ(doc.text(), u"Pris" u"ern\u011B zlu\u0165o" u"cky k\u016F\u0148 \u00FAp\u011Bl \u010Fabelsk\u00E9 \u00F3dy");
    for (long i = 0; i < n; ++i) EXPECT_TRUE(sameFormat(doc.formatAt(i), before[static_cast<size_t>(i)])) << "at " << i;
    // the text really held half-point sizes, offsets and colours
    EXPECT_EQ(before[2].yHeight, 210);
    EXPECT_EQ(before[3].yOffset, 40);
    EXPECT_EQ(before[5].crTextColor, RGB(200, 0, 0));
}

TEST_F(Conversion, SelectionConversionKeepsFormatsInASelectionToo) {
    doc.setText("\xE8\xE1ry a \x9A\xED\xE8ky");
    doc.setFormat(0, 2, format("Arial", 210, CFE_BOLD | CFE_UNDERLINE, RGB(200, 0, 0)));
    doc.setFormat(2, 4, format("Courier New", 240, CFE_ITALIC, RGB(0, 0, 200)));
    doc.setFormat(7, 9, format("Times New Roman", 240, CFE_STRIKEOUT, RGB(0, 128, 0)));
    std::vector<CHARFORMAT2A> before;
    for (long i = 0; i < 12; ++i) before.push_back(doc.formatAt(i));
    doc.select(1, 9);
    convert();
    EXPECT_EQ(doc.text(), u"\u010Dary a si\u010Dky"); // outside the selection nothing changes
    for (long i = 0; i < 12; ++i) EXPECT_TRUE(sameFormat(doc.formatAt(i), before[static_cast<size_t>(i)])) << "at " << i;
}

TEST_F(Conversion, NoUndoBringsTheOldCharactersBack) {
    doc.setText("\x9A\xE1la");
    convert();
    ASSERT_EQ(doc.text(), u"sala");
    SendMessageA(doc.edit(), EM_UNDO, 0, 0);
    EXPECT_EQ(doc.text(), u"sala");
}

TEST_F(Conversion, CharactersOutsideTheCodePageSurvive) {
    // a Greek letter and a Cyrillic one inside runs that change: the text is rewritten in UTF-16
    doc.loadRtf("{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset238 Arial;}}\\f0 "
                "\\'e8\\u945?\\'e1 \\u1078?\\'9a}");
    convert();
    EXPECT_EQ(doc.text(), u"c\u03B1a \u0436s");
}

TEST_F(Conversion, CloseRequestedDuringTheConversionWaitsForItsEnd) {
    // Enough paragraphs of changing formats that the conversion handles pending messages midway.
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset238 Arial;}{\\f1\\fcharset238 Courier New;}}"
                      "{\\colortbl;\\red200\\green0\\blue0;}";
    for (int p = 0; p < 400; ++p)
        rtf += "\\f" + std::to_string(p % 2) + "\\cf" + std::to_string(p % 2) + " \\'9a\\'e1la {\\b \\'e8\\'ed}slo " +
               std::to_string(p) + "\\par ";
    rtf += "}";
    doc.loadRtf(rtf);
    static struct During {
        HWND frame, edit;
        Glyvarin* lib;
        Document* doc;
        bool ran = false, frameAlive = false, frameEnabled = true;
        std::u16string textMidway;
    } during;
    during = {doc.frame(), doc.edit(), &lib, &doc, false, false, true, {}};
    const UINT_PTR timer = SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        during.ran = true;
        during.frameEnabled = IsWindowEnabled(during.frame) != FALSE;
        // a close sent and one posted, typing, and a second conversion: all must wait or be refused
        SendMessageA(during.frame, WM_CLOSE, 0, 0);
        PostMessageA(during.frame, WM_CLOSE, 0, 0);
        PostMessageA(during.edit, WM_CHAR, 'Q', 0);
        during.lib->PrevestZnaky(during.doc->status(), during.edit);
        during.frameAlive = IsWindow(during.frame) != FALSE;
    });
    ASSERT_NE(timer, 0u);
    convert();
    ASSERT_TRUE(during.ran) << "the conversion never handled pending messages";
    EXPECT_TRUE(during.frameAlive);
    EXPECT_FALSE(during.frameEnabled); // no input reaches the window meanwhile
    ASSERT_TRUE(doc.alive());          // the close waits for the end of the conversion...
    const std::u16string text = doc.text();
    EXPECT_EQ(text.find(u'\u0161'), std::u16string::npos); // ...which converted everything
    EXPECT_EQ(text.find(u'Q'), std::u16string::npos);
    EXPECT_EQ(text.substr(0, 12), u"sala cislo 0");
    EXPECT_EQ(doc.statusText(), czech(13));
    EXPECT_TRUE(IsWindowEnabled(doc.frame()));
    MSG m; // then the close that was asked for happens
    while (doc.alive() && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    EXPECT_FALSE(doc.alive());
}
