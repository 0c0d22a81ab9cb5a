// tests/win/hostile_test.cpp — documents the rich-edit control cannot read do not end the
// program: from a file, a backup copy or the clipboard; a truncated file shows what it holds
#include "app/resource.h"
#include "lang/extra.h"
#include "tests/win/support.h"
#include "ui/window.h"

#include <richedit.h>

using namespace test;

namespace {

const std::string kHead = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset238 Arial;}}\\f0 ";

std::string nested(std::size_t depth) { // the outermost group counts
    return kHead + std::string(depth - 1, '{') + "hluboko" + std::string(depth - 1, '}') + "}";
}

std::string repeated(const std::string& s, int n) {
    std::string out;
    while (n-- > 0) out += s;
    return out;
}

const std::string& czech(std::size_t text) { return language::czechExtraTexts()[text]; }

void putOnClipboard(HWND owner, const std::string& rtf, const std::string& plain) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const auto put = [](UINT format, const std::string& bytes) {
        HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
        memcpy(GlobalLock(h), bytes.c_str(), bytes.size() + 1);
        GlobalUnlock(h);
        SetClipboardData(format, h);
    };
    put(RegisterClipboardFormatA(CF_RTF), rtf);
    put(CF_TEXT, plain);
    CloseClipboard();
}

// Holds `keys` down for this thread while the control reads the key state.
void pressWith(HWND control, std::initializer_list<int> keys, WPARAM key) {
    BYTE state[256];
    GetKeyboardState(state);
    BYTE down[256];
    memcpy(down, state, sizeof down);
    for (int k : keys) down[k] = 0x80;
    SetKeyboardState(down);
    SendMessageA(control, WM_KEYDOWN, key, 1);
    SendMessageA(control, WM_KEYUP, key, 0xC0000001);
    SetKeyboardState(state);
}

} // namespace

TEST_F(MainWindowTest, RtfTheControlCannotReadIsReportedByNameAndNotOpened) {
    docs.write("dobry.rtf", kHead + "{\\b dobry} text}");
    start({docs.file("dobry.rtf")});
    auto* good = frame->DocumentSlots[0];
    good->RichEdit1.replaceSelection("upraveny ");
    const struct {
        const char* name;
        std::string rtf;
        std::size_t cause;
    } cases[] = {
        {"hloubka32.rtf", nested(32), language::xRtfTooDeep},
        {"hloubka40.rtf", nested(40), language::xRtfTooDeep},
        {"hloubka5000.rtf", nested(5000), language::xRtfTooDeep},
        {"slovo.rtf", kHead + "\\" + std::string(1100, 'a') + " x}", language::xRtfLongWord},
        {"slovo5000.rtf", kHead + "\\" + std::string(5000, 'q') + " x}", language::xRtfLongWord},
        {"cislo.rtf", kHead + "\\fs" + std::string(1100, '7') + " x}", language::xRtfLongWord},
        {"pismo.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 " + std::string(1100, 'F') + ";}}x}", language::xRtfLongWord},
        {"styl.rtf", kHead + "{\\stylesheet{\\s1 " + std::string(1100, 'S') + ";}}x}", language::xRtfLongWord},
        {"bunky.rtf", kHead + "\\trowd\\cellx2000\\cellx4000\\intbl a\\cell b\\cell c\\cell d\\cell e\\cell\\row}",
         language::xRtfBadTable},
        {"bunky65.rtf", kHead + "\\trowd" + repeated("\\cellx100", 65) + "\\intbl" + repeated(" a\\cell", 65) + "\\row}",
         language::xRtfBadTable},
        {"vnorene.rtf", kHead + "\\trowd\\cellx5000\\intbl{\\itap2\\intbl" + repeated(" x\\nestcell", 5) +
                            "{\\*\\nesttableprops\\trowd\\cellx1000\\nestrow}}\\cell\\row}",
         language::xRtfBadTable},
    };
    for (const auto& c : cases) {
        docs.write(c.name, c.rtf);
        prompts.clear();
        prompts.answerBox(IDOK);
        frame->dropFiles({docs.file(c.name)});
        ASSERT_EQ(prompts.boxes().size(), 1u) << c.name;
        EXPECT_EQ(prompts.boxes()[0].text, docs.file(c.name) + "\n\n" + czech(c.cause)) << c.name;
        EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR)) << c.name;
        EXPECT_EQ(openCount(), 1) << c.name;
    }
    EXPECT_EQ(good->RichEdit1.text(), "upraveny dobry text");
    EXPECT_TRUE(good->RichEdit1.modified());
}

TEST_F(MainWindowTest, TheDeepestRtfTheControlReadsOpens) {
    docs.write("hloubka31.rtf", nested(31));
    start({docs.file("hloubka31.rtf")});
    ASSERT_EQ(openCount(), 1);
    EXPECT_EQ(frame->DocumentSlots[0]->RichEdit1.text(), "hluboko");
    EXPECT_FALSE(frame->DocumentSlots[0]->RichEdit1.plainText());
    EXPECT_TRUE(prompts.boxes().empty());
}

// A table row whose cells are never ended by \row: Wine's control would show nothing of the
// whole document; the row is ended after its last cell and everything shows, without a word.
TEST_F(MainWindowTest, ATableRowLeftOpenShowsItsCellsAndTheRest) {
    docs.write("tabulka.rtf", kHead + "\\trowd\\cellx2000\\cellx4000\\intbl prvn\\'ed\\cell druh\\'e1\\cell \\pard konec\\par}");
    start({docs.file("tabulka.rtf")});
    ASSERT_EQ(openCount(), 1);
    const std::string text = frame->DocumentSlots[0]->RichEdit1.text();
    for (const char* part : {"první", "druhá", "konec"}) EXPECT_NE(text.find(part), std::string::npos) << text;
    EXPECT_FALSE(frame->DocumentSlots[0]->RichEdit1.plainText());
    EXPECT_FALSE(frame->DocumentSlots[0]->RichEdit1.modified());
    EXPECT_TRUE(prompts.boxes().empty());
}

TEST_F(MainWindowTest, TruncatedRtfShowsWhatWasReadAndSaysTheFileIsDamaged) {
    const struct {
        const char* name;
        std::string rtf;
        std::string text;
    } cases[] = {
        {"usekly.rtf", kHead + "{\\b tu\\'e8n\\'e9} a {\\i kurz\\'edva", "tučné a kurzíva"},
        {"uprostred.rtf", kHead + "odstavec\\par dal\\'9a\\'ed\\pa", "odstavec\r\ndalší"},
        {"bajt.rtf", kHead + "konec\\'e", "konec"},
    };
    for (const auto& c : cases) docs.write(c.name, c.rtf);
    for (std::size_t i = 0; i < std::size(cases); ++i) prompts.answerBox(IDOK);
    start({docs.file(cases[0].name), docs.file(cases[1].name), docs.file(cases[2].name)});
    ASSERT_EQ(openCount(), 3);
    ASSERT_EQ(prompts.boxes().size(), 3u);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        auto* doc = frame->DocumentSlots[i];
        EXPECT_EQ(doc->RichEdit1.text(), cases[i].text) << cases[i].name;
        EXPECT_FALSE(doc->RichEdit1.plainText()) << cases[i].name;
        EXPECT_EQ(prompts.boxes()[i].text, docs.file(cases[i].name) + "\n\n" + czech(language::xRtfTruncated));
        EXPECT_EQ(prompts.boxes()[i].flags, UINT(MB_ICONWARNING));
    }
}

TEST_F(MainWindowTest, ABackupCopyTheControlCannotReadIsReportedAndKept) {
    data.write("hlubokaaaaa.bcp", nested(64));
    data.write("dobraaaaaaa.bcp", kHead + "dobra}");
    prompts.answerBox(IDYES);
    prompts.answerBox(IDOK);
    start();
    ASSERT_EQ(prompts.boxes().size(), 2u);
    EXPECT_EQ(prompts.boxes()[1].text, data.file("hlubokaaaaa.bcp") + "\n\n" + czech(language::xRtfTooDeep));
    ASSERT_EQ(openCount(), 1);
    EXPECT_EQ(frame->DocumentSlots[0]->RichEdit1.text(), "dobra");
    EXPECT_TRUE(data.exists("hlubokaaaaa.bcp"));
}

TEST_F(MainWindowTest, PastedRtfTheControlCannotReadArrivesAsPlainText) {
    start();
    auto* doc = frame->DocumentSlots[0];
    const HWND re = doc->RichEdit1.hwnd();
    const UINT rtfFormat = RegisterClipboardFormatA(CF_RTF);
    const struct {
        const char* how;
        std::function<void()> paste;
    } routes[] = {
        {"paste command", [&] { frame->runCommand(IDM_VLOZIT); }},
        {"WM_PASTE", [&] { SendMessageA(re, WM_PASTE, 0, 0); }},
        {"EM_PASTESPECIAL any", [&] { SendMessageA(re, EM_PASTESPECIAL, 0, 0); }},
        {"EM_PASTESPECIAL RTF", [&] { SendMessageA(re, EM_PASTESPECIAL, rtfFormat, 0); }},
        {"Ctrl+V", [&] { pressWith(re, {VK_CONTROL}, 'V'); }},
        {"Shift+Insert", [&] { pressWith(re, {VK_SHIFT}, VK_INSERT); }},
    };
    const std::string hostile[] = {nested(32), nested(3000), kHead + "\\" + std::string(2000, 'w') + " x}"};
    for (const auto& rtf : hostile) {
        for (const auto& r : routes) {
            putOnClipboard(frame->hwnd(), rtf, "prosty");
            doc->RichEdit1.setText("");
            prompts.clear();
            prompts.answerBox(IDOK);
            r.paste();
            EXPECT_EQ(doc->RichEdit1.text(), "prosty") << r.how;
            ASSERT_EQ(prompts.boxes().size(), 1u) << r.how;
            EXPECT_EQ(prompts.boxes()[0].text, czech(language::xRtfPasteUnsafe));
            EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_ICONWARNING));
        }
    }
    // RTF the control reads is pasted with its formatting, without a word
    for (const auto& r : routes) {
        putOnClipboard(frame->hwnd(), kHead + "{\\b tucne}}", "prosty");
        doc->RichEdit1.setText("");
        prompts.clear();
        r.paste();
        EXPECT_EQ(doc->RichEdit1.text(), "tucne") << r.how;
        EXPECT_TRUE(prompts.boxes().empty()) << r.how;
        doc->RichEdit1.select(0, 5);
        EXPECT_TRUE(doc->RichEdit1.selectionEffects() & ui::RichEdit::Bold) << r.how;
    }
}
