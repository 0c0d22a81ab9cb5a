// tests/win/search_test.cpp — find and replace: the control's search in both directions, with
// case and whole words, replace all as one step of undo keeping the format, the find and
// replace dialogs of the main window, wrapping around and what the user is told
#include "app/resource.h"
#include "lang/extra.h"
#include "tests/win/support.h"
#include "ui/window.h"

#include <commdlg.h>
#include <dlgs.h>

using namespace test;

namespace {

using M = ui::RichEdit::Match;

class SearchTest : public MainWindowTest {
protected:
    document::Teditor1& doc() { return *frame->activeDocument(); }
    ui::RichEdit& text() { return doc().RichEdit1; }
    void put(const std::string& s) {
        text().setText(s);
        text().setModified(false);
        SendMessageA(text().hwnd(), EM_EMPTYUNDOBUFFER, 0, 0);
    }
    const std::string& extra(language::ExtraText k) { return frame->ExtraTexts.at(k); }
    void command(UINT id) { SendMessageA(frame->hwnd(), WM_COMMAND, id, 0); }
    HWND dialog() { return frame->search.dialog(); }
    // Fills the open dialog as the user would and presses `button`.
    void press(int button, const std::string& what, const std::string& with = "", bool matchCase = false,
               bool wholeWord = false, bool up = false) {
        HWND d = dialog();
        ASSERT_TRUE(d);
        SetDlgItemTextA(d, edt1, what.c_str());
        if (GetDlgItem(d, edt2)) SetDlgItemTextA(d, edt2, with.c_str());
        CheckDlgButton(d, chx2, matchCase ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(d, chx1, wholeWord ? BST_CHECKED : BST_UNCHECKED);
        if (GetDlgItem(d, rad1)) {
            CheckDlgButton(d, rad1, up ? BST_CHECKED : BST_UNCHECKED);
            CheckDlgButton(d, rad2, up ? BST_UNCHECKED : BST_CHECKED);
        }
        SendMessageA(GetDlgItem(d, button), BM_CLICK, 0, 0);
    }
    M selection() {
        M m{};
        text().selection(m.from, m.to);
        return m;
    }
};

// The text as the control gives it back: each paragraph end as CR LF.
std::string crlf(const std::string& s) {
    std::string out;
    for (char c : s) out += c == '\r' ? std::string("\r\n") : std::string(1, c);
    return out;
}

} // namespace

TEST_F(SearchTest, ControlFindsWithCaseWholeWordsAndDirection) {
    start();
    // positions:       0         1         2         3
    //                  0123456789012345678901234567890123456
    put("Kůň a kůňovi koně, KŮŇ; kůň");
    const struct {
        const char* what;
        DWORD flags;
        long from, to;
        std::optional<M> found;
    } cases[] = {
        {"kůň", FR_DOWN, 0, -1, M{0, 3}},                     // any case
        {"kůň", FR_DOWN | FR_MATCHCASE, 0, -1, M{6, 9}},
        {"kůň", FR_DOWN | FR_MATCHCASE, 7, -1, M{24, 27}},
        {"KŮŇ", FR_DOWN | FR_MATCHCASE, 0, -1, M{19, 22}},
        {"kůň", FR_DOWN | FR_WHOLEWORD, 1, -1, M{19, 22}},    // not inside "kůňovi"
        {"kůňovi", FR_DOWN | FR_WHOLEWORD, 0, -1, M{6, 12}},
        {"oně", FR_DOWN | FR_WHOLEWORD, 0, -1, std::nullopt},
        {"kůň", 0, 27, 0, M{24, 27}},                          // up: the last before the start
        {"kůň", 0, 24, 0, M{19, 22}},
        {"kůň", FR_MATCHCASE, 19, 0, M{6, 9}},
        {"kůň", FR_WHOLEWORD, 19, 0, M{0, 3}},
        {"kůň", 0, 0, 0, std::nullopt},
        {"kůň", FR_DOWN, 25, -1, std::nullopt},
        {"", FR_DOWN, 0, -1, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " from " + std::to_string(c.from) + " flags " + std::to_string(c.flags));
        EXPECT_EQ(text().find(c.what, c.flags, c.from, c.to), c.found);
    }
}

TEST_F(SearchTest, ReplaceAllIsOneStepOfUndoAndKeepsTheFormat) {
    start();
    const struct {
        const char* before;
        const char* what;
        const char* with;
        DWORD flags;
        const char* after;
        int count;
    } cases[] = {
        {"žába a Žába\rkonec", "žába", "ropucha", 0, "ropucha a ropucha\rkonec", 2},
        {"žába a Žába\rkonec", "žába", "ropucha", FR_MATCHCASE, "ropucha a Žába\rkonec", 1},
        {"aa aaa aa", "aa", "b", FR_WHOLEWORD, "b aaa b", 2},
        {"aaaa", "aa", "a", 0, "aa", 2},                 // what a replacement makes is not searched again
        {"x\rx\rx", "x", "yy", 0, "yy\ryy\ryy", 3},      // matches in several paragraphs
        {"mezi řádky", "řádky", "", 0, "mezi ", 1},
        {"nic", "není", "x", 0, "nic", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before + std::string(" / ") + c.what);
        put(c.before);
        EXPECT_EQ(text().replaceAll(c.what, c.with, c.flags), c.count);
        EXPECT_EQ(text().text(), crlf(c.after));
        if (!c.count) continue;
        EXPECT_TRUE(text().modified());
        ASSERT_TRUE(text().canUndo());
        text().undo();
        EXPECT_EQ(text().text(), crlf(c.before)) << "one undo brings all back";
        EXPECT_TRUE(text().canRedo());
        text().redo();
        EXPECT_EQ(text().text(), crlf(c.after));
    }
}

TEST_F(SearchTest, ReplaceAllKeepsEachPlaceInItsFormat) {
    start();
    ASSERT_TRUE(text().loadRtf("{\\rtf1\\ansi\\ansicpg1250 a {\\b \\'9e\\'e1ba} b {\\i \\'9e\\'e1ba} c\\par}"));
    ASSERT_EQ(text().replaceAll("žába", "kůň", 0), 2);
    EXPECT_EQ(text().text(), "a kůň b kůň c");
    const struct { long at; DWORD effects; } cases[] = {{0, 0}, {2, ui::RichEdit::Bold}, {4, ui::RichEdit::Bold},
                                                     {6, 0}, {8, ui::RichEdit::Italic}, {12, 0}};
    for (const auto& c : cases) {
        text().select(c.at, c.at + 1);
        EXPECT_EQ(text().selectionEffects(), c.effects) << "at " << c.at;
    }
}

// The find dialog of the main window: Ctrl+F opens it on the selection, Find next selects each
// match in turn, goes on from the start with word in panel 0, and a text that is nowhere is told
// in a box; F3 and Shift+F3 repeat the search without the dialog.
TEST_F(SearchTest, FindDialogFindsInTurnWrapsAndTellsWhatIsMissing) {
    start();
    put("Žába, žabák a ŽÁBA.");
    text().select(0, 4);
    command(IDM_NAJIT);
    ASSERT_TRUE(dialog());
    char shown[64] = {};
    GetDlgItemTextA(dialog(), edt1, shown, sizeof shown);
    EXPECT_STREQ(shown, "Žába") << "the selection is what is looked for";

    text().select(0, 0);
    const struct { bool matchCase, wholeWord, up; M found; bool wrapped; } steps[] = {
        {false, false, false, {0, 4}, false},  {false, false, false, {14, 18}, false},
        {false, false, false, {0, 4}, true},   {false, true, false, {14, 18}, false},
        {false, false, true, {0, 4}, false},   {false, false, true, {14, 18}, true},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE("step to " + std::to_string(s.found.from));
        press(IDOK, "žába", "", s.matchCase, s.wholeWord, s.up);
        EXPECT_EQ(selection(), s.found);
        EXPECT_EQ(frame->StatusBar1.text(0),
                  s.wrapped ? extra(s.up ? language::xWrappedToEnd : language::xWrappedToStart) : "");
    }
    EXPECT_TRUE(prompts.boxes().empty());

    prompts.answerBox(IDOK);
    press(IDOK, "ropucha");
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].text, extra(language::xNotFound) + "ropucha");
    EXPECT_EQ(prompts.boxes()[0].caption, extra(language::xFindCaption));
    EXPECT_EQ(selection(), (M{14, 18})) << "nothing found leaves the selection";

    press(IDOK, "ŽÁBA", "", true); // match case: only the last word
    EXPECT_EQ(selection(), (M{14, 18}));
    SendMessageA(dialog(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(dialog());
    command(IDM_NAJITPREDCHOZI); // Shift+F3: the same search upwards, wrapping
    EXPECT_EQ(selection(), (M{14, 18}));
    text().select(0, 0);
    command(IDM_NAJITDALSI);
    EXPECT_EQ(selection(), (M{14, 18}));
    EXPECT_FALSE(dialog()) << "F3 after a search needs no dialog";
    EXPECT_TRUE(prompts.allAnswersUsed());
}

// The replace dialog: Replace replaces a selected match and selects the next; Replace all is one
// step of undo, counted in panel 0; Zpět and Znovu follow what the control can undo.
TEST_F(SearchTest, ReplaceDialogReplacesOneOrAllAndUndoTakesAllBack) {
    start();
    put("kočka, Kočka, kočkování");
    frame->updateActions();
    EXPECT_FALSE(frame->action(IDM_ZPET).enabled());
    EXPECT_FALSE(frame->action(IDM_ZNOVU).enabled());
    command(IDM_NAHRADIT);
    ASSERT_TRUE(dialog());
    text().select(0, 0);
    press(IDOK, "kočka", "pes", true);
    EXPECT_EQ(selection(), (M{0, 5}));
    press(psh1, "kočka", "pes"); // Replace: this one, then the next match
    EXPECT_EQ(text().text(), "pes, Kočka, kočkování");
    EXPECT_EQ(selection(), (M{5, 10}));

    press(psh2, "kočka", "myš", false, true); // Replace all, whole words
    EXPECT_EQ(text().text(), "pes, myš, kočkování");
    EXPECT_EQ(frame->StatusBar1.text(0), extra(language::xReplacedCount) + "1");
    EXPECT_TRUE(frame->action(IDM_ULOZIT).enabled()) << "the change can be saved";
    ASSERT_TRUE(frame->action(IDM_ZPET).enabled());
    command(IDM_ZPET);
    EXPECT_EQ(text().text(), "pes, Kočka, kočkování");
    EXPECT_TRUE(frame->action(IDM_ZNOVU).enabled());
    command(IDM_ZNOVU);
    EXPECT_EQ(text().text(), "pes, myš, kočkování");

    prompts.answerBox(IDOK);
    press(psh2, "slon", "x");
    EXPECT_EQ(frame->StatusBar1.text(0), extra(language::xReplacedCount) + "0");
    EXPECT_EQ(prompts.boxes().size(), 1u);
    command(IDM_VYBRATVSE);
    EXPECT_EQ(selection().from, 0);
    EXPECT_GE(selection().to, text().textLength());
    EXPECT_TRUE(prompts.allAnswersUsed());
}
