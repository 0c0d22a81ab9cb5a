// tests/win/format_test.cpp — formatting from the toolbar and the dialogs, and the toolbar
// following the active document
#include "app/resource.h"
#include "tests/win/support.h"
#include "ui/window.h"

#include <algorithm>

using namespace test;

namespace {

CHARFORMAT2A formatAt(document::Teditor1* doc, long from, long to) {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    doc->RichEdit1.select(from, to);
    SendMessageA(doc->RichEdit1.hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
}

WORD alignmentAt(document::Teditor1* doc, long pos) {
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    doc->RichEdit1.select(pos, pos);
    SendMessageA(doc->RichEdit1.hwnd(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    return pf.wAlignment;
}

// A click on a check button of the formatting bar: the button toggles, then the command runs.
void click(app::Thlavni1& f, UINT id) {
    f.ToolBar2.setDown(id, !f.ToolBar2.down(id));
    SendMessageA(f.hwnd(), WM_COMMAND, id, 0);
}

} // namespace

TEST_F(MainWindowTest, BoldKeepsTheOtherEffectsOfAMixedSelection) {
    start();
    auto* doc = frame->DocumentSlots[0];
    doc->RichEdit1.replaceSelection("abcdef");
    doc->RichEdit1.select(0, 3);
    doc->RichEdit1.setSelectionEffect(ui::RichEdit::Italic, true);
    doc->RichEdit1.select(0, 6);
    click(*frame, IDT_TUCNE);
    EXPECT_TRUE(doc->format.bold);
    EXPECT_TRUE(formatAt(doc, 0, 3).dwEffects & CFE_BOLD);
    EXPECT_TRUE(formatAt(doc, 0, 3).dwEffects & CFE_ITALIC); // italic part stays italic
    EXPECT_FALSE(formatAt(doc, 4, 6).dwEffects & CFE_ITALIC);
    EXPECT_TRUE(formatAt(doc, 4, 6).dwEffects & CFE_BOLD);
    doc->RichEdit1.select(0, 6);
    click(*frame, IDT_TUCNE);
    EXPECT_FALSE(formatAt(doc, 0, 6).dwEffects & CFE_BOLD);
    EXPECT_TRUE(formatAt(doc, 0, 3).dwEffects & CFE_ITALIC);
}

TEST_F(MainWindowTest, ToolbarFollowsTheActiveDocument) {
    start();
    auto* first = frame->DocumentSlots[0];
    click(*frame, IDT_TUCNE);
    click(*frame, IDT_VPRAVO);
    EXPECT_EQ(alignmentAt(first, 0), PFA_RIGHT);
    frame->runCommand(IDM_NOVY);
    auto* second = frame->DocumentSlots[1];
    SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(second->hwnd()), 0);
    EXPECT_FALSE(frame->ToolBar2.down(IDT_TUCNE)); // the second document's own state
    EXPECT_TRUE(frame->ToolBar2.down(IDT_VLEVO));
    SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->hwnd()), 0);
    EXPECT_TRUE(frame->ToolBar2.down(IDT_TUCNE));
    EXPECT_TRUE(frame->ToolBar2.down(IDT_VPRAVO));
    EXPECT_FALSE(frame->ToolBar2.down(IDT_VLEVO));
    // an unknown alignment word clears the state; activation then leaves the buttons alone
    first->SetAlignment("nahoru");
    EXPECT_FALSE(first->format.left || first->format.centre || first->format.right);
    EXPECT_EQ(alignmentAt(first, 0), PFA_RIGHT);
    SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(second->hwnd()), 0);
    SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->hwnd()), 0);
    EXPECT_TRUE(frame->ToolBar2.down(IDT_VLEVO)); // as the second document left it
}

TEST_F(MainWindowTest, FontBoxesChangeTheSelectionAndTheDefaults) {
    start();
    auto* doc = frame->DocumentSlots[0];
    doc->RichEdit1.replaceSelection("text");
    doc->RichEdit1.select(0, 4);
    frame->cbVelikostPisma.setText("abc");
    SendMessageA(FindWindowExA(frame->cbVelikostPisma.hwnd(), nullptr, "Edit", nullptr), WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(formatAt(doc, 0, 4).yHeight, 240); // not a number: nothing changes
    doc->RichEdit1.select(0, 4);
    frame->cbVelikostPisma.setText("14");
    SendMessageA(FindWindowExA(frame->cbVelikostPisma.hwnd(), nullptr, "Edit", nullptr), WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(formatAt(doc, 0, 4).yHeight, 280);
    EXPECT_EQ(frame->nastaveni().Editor.Velikost, 14); // documents made later start with 14 pt

    SendMessageA(frame->cbPismo.hwnd(), CB_SHOWDROPDOWN, TRUE, 0); // the list, as the user opens it
    SendMessageA(frame->cbPismo.hwnd(), CB_SHOWDROPDOWN, FALSE, 0);
    const int arial = static_cast<int>(SendMessageA(frame->cbPismo.hwnd(), CB_FINDSTRINGEXACT, -1,
                                                    reinterpret_cast<LPARAM>("Arial")));
    ASSERT_GE(arial, 0);
    doc->RichEdit1.select(0, 2);
    SendMessageA(frame->cbPismo.hwnd(), CB_SETCURSEL, arial, 0);
    SendMessageA(frame->hwnd(), WM_COMMAND, MAKEWPARAM(IDC_PISMO, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(frame->cbPismo.hwnd()));
    EXPECT_STREQ(formatAt(doc, 0, 2).szFaceName, "Arial");
    EXPECT_STREQ(formatAt(doc, 2, 4).szFaceName, "Times New Roman");
    EXPECT_EQ(frame->nastaveni().Editor.Pismo, "Arial"); // even with "keep the font" off
}

TEST_F(MainWindowTest, FontDialogAppliesTheWholeFontButNotTheToolbarState) {
    start();
    auto* doc = frame->DocumentSlots[0];
    doc->RichEdit1.replaceSelection("text");
    doc->RichEdit1.select(0, 4);
    ui::FontChoice font{"Arial", 20, true, false, true, false, RGB(200, 0, 0)};
    prompts.answerFont(font);
    frame->runCommand(IDM_PISMO);
    const auto cf = formatAt(doc, 0, 4);
    EXPECT_STREQ(cf.szFaceName, "Arial");
    EXPECT_EQ(cf.yHeight, 400);
    EXPECT_TRUE(cf.dwEffects & CFE_BOLD);
    EXPECT_TRUE(cf.dwEffects & CFE_UNDERLINE);
    EXPECT_EQ(cf.crTextColor, RGB(200, 0, 0));
    EXPECT_FALSE(frame->ToolBar2.down(IDT_TUCNE));
    EXPECT_FALSE(doc->format.bold);
    EXPECT_EQ(frame->cbPismo.text(), "Arial");
    EXPECT_EQ(frame->nastaveni().Editor.Pismo, "Times New Roman"); // "keep the font" is off
    // the dialog starts from the font last chosen in it
    prompts.answerFont(std::nullopt);
    frame->runCommand(IDM_PISMO);
    ASSERT_EQ(prompts.fontsShown().size(), 2u);
    EXPECT_EQ(prompts.fontsShown()[1].face, "Arial");
    EXPECT_EQ(prompts.fontsShown()[0].face, "Tahoma");
    EXPECT_EQ(prompts.fontsShown()[0].sizePt, 8);
    EXPECT_EQ(prompts.fontsShown()[0].color, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_FALSE(prompts.fontsShown()[0].bold);
}

TEST_F(MainWindowTest, BackgroundColourForTheActiveDocumentAndNewOnes) {
    start();
    prompts.answerColor(RGB(255, 255, 200));
    frame->runCommand(IDT_POZADI);
    EXPECT_EQ(frame->nastaveni().Editor.Pozadi, settings::Color(RGB(255, 255, 200)));
    prompts.answerColor(std::nullopt);
    frame->runCommand(IDT_POZADI);
    EXPECT_EQ(prompts.colorsShown()[1], RGB(255, 255, 200));
    EXPECT_EQ(frame->nastaveni().Editor.Pozadi, settings::Color(RGB(255, 255, 200)));
}

TEST_F(MainWindowTest, DocumentCommandsWithoutADocumentDoNothing) {
    start();
    frame->runCommand(IDM_ZAVRIT);
    ui::pumpPending();
    ASSERT_EQ(openCount(), 0);
    for (UINT id : {IDT_TUCNE, IDT_VLEVO, IDM_PISMO, IDT_POZADI, IDM_ULOZITJAKO, IDM_ZALAMOVAT})
        SendMessageA(frame->hwnd(), WM_COMMAND, id, 0); // must not touch a missing document
    EXPECT_TRUE(prompts.boxes().empty());
}

TEST_F(MainWindowTest, StatisticsGoToTheLastPanel) {
    start();
    auto* doc = frame->DocumentSlots[0];
    frame->runCommand(IDM_RADKY);
    EXPECT_EQ(frame->StatusBar1.text(4), "Počet řádků: 0");
    doc->RichEdit1.replaceSelection("Příliš žluťoučký kůň\r\núpěl ódy");
    frame->runCommand(IDM_SLOVA);
    EXPECT_EQ(frame->StatusBar1.text(4), "Počet slov: 5");
    frame->runCommand(IDM_ZNAKY);
    EXPECT_EQ(frame->StatusBar1.text(4), "Počet znaků: 28");
    frame->runCommand(IDM_STAVOVY); // hidden: the commands still write the panel
    frame->runCommand(IDM_ZNAKYBEZMEZER);
    EXPECT_EQ(frame->StatusBar1.text(4), "Počet znaků: 25");
    frame->runCommand(IDM_RADKY);
    EXPECT_EQ(frame->StatusBar1.text(4), "Počet řádků: 2");
}

namespace {
// The colour the control paints its background with (set back as it was).
COLORREF backgroundOf(document::Teditor1* doc) {
    HWND h = doc->RichEdit1.hwnd();
    const auto c = static_cast<COLORREF>(SendMessageA(h, EM_SETBKGNDCOLOR, 0, RGB(1, 2, 3)));
    SendMessageA(h, EM_SETBKGNDCOLOR, 0, c);
    return c;
}

// The colour the control shows near its bottom right corner, where no text stands.
COLORREF paintedBackground(document::Teditor1* doc) {
    HWND h = doc->RichEdit1.hwnd();
    RedrawWindow(h, nullptr, nullptr, RDW_UPDATENOW);
    RECT r{};
    GetClientRect(h, &r);
    HDC dc = GetDC(h);
    const COLORREF c = GetPixel(dc, r.right - 30, r.bottom - 10);
    ReleaseDC(h, dc);
    return c;
}
} // namespace

TEST_F(MainWindowTest, OpenDocumentsKeepTheirBackgroundWhenWordWrapIsToggled) {
    start();
    frame->runCommand(IDM_NOVY);
    auto* first = frame->DocumentSlots[0];
    auto* second = frame->DocumentSlots[1];
    prompts.answerColor(RGB(200, 230, 255));
    frame->runCommand(IDT_POZADI); // the second is active
    EXPECT_EQ(backgroundOf(second), RGB(200, 230, 255));
    SendMessageA(frame->client(), WM_MDITILE, MDITILE_VERTICAL, 0); // both in sight
    SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->hwnd()), 0);
    ASSERT_EQ(frame->ActiveSlot, 0);
    for (int i = 0; i < 2; ++i) {
        frame->runCommand(IDM_ZALAMOVAT);
        ui::pumpPending();
        EXPECT_EQ(backgroundOf(first), RGB(255, 255, 255)) << i;
        EXPECT_EQ(backgroundOf(second), RGB(200, 230, 255)) << i;
        EXPECT_EQ(paintedBackground(first), RGB(255, 255, 255)) << i;
        EXPECT_EQ(paintedBackground(second), RGB(200, 230, 255)) << i;
    }
    frame->runCommand(IDM_NOVY); // a new one starts with the new colour
    EXPECT_EQ(backgroundOf(frame->DocumentSlots[2]), RGB(200, 230, 255));
}

TEST_F(MainWindowTest, WindowMenuListsEveryDocumentByItsCaption) {
    docs.write("a.txt", "x");
    start({docs.file("a.txt")});
    frame->runCommand(IDM_NOVY);
    prompts.answerFile({docs.file("nové jméno.rtf"), 1, {}});
    frame->DocumentSlots[1]->RichEdit1.replaceSelection("y");
    frame->runCommand(IDM_ULOZITJAKO); // renamed after it was listed
    ui::pumpPending();
    const HMENU menu = frame->menu(app::mmOkno1).submenu();
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char buf[256] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), buf, sizeof buf, MF_BYPOSITION);
        items.push_back(buf);
    }
    for (auto* doc : {frame->DocumentSlots[0], frame->DocumentSlots[1]}) {
        const std::string caption = doc->caption();
        EXPECT_TRUE(std::any_of(items.begin(), items.end(), [&](const std::string& s) {
            return s.size() > caption.size() && s.compare(s.size() - caption.size(), caption.size(), caption) == 0;
        })) << caption;
    }
    EXPECT_EQ(frame->DocumentSlots[1]->caption(), "nové jméno.rtf");
}

TEST_F(MainWindowTest, UntitledDocumentShowsNoFileNameInPanelOne) {
    docs.write("a.txt", "x");
    start({docs.file("a.txt")});
    frame->runCommand(IDM_NOVY);
    auto activate = [&](int slot) {
        SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(frame->DocumentSlots[slot]->hwnd()), 0);
        return frame->StatusBar1.text(1);
    };
    EXPECT_EQ(activate(0), "a.txt");
    EXPECT_EQ(activate(1), ""); // not the name of the document active before
    EXPECT_EQ(activate(0), "a.txt");
}

TEST_F(MainWindowTest, FormatStateWithAnUnknownAlignmentWordLeavesTheAlignmentButtons) {
    start();
    click(*frame, IDT_VPRAVO);
    frame->showFormatState(true, false, true, "vlevo", "Arial", "14"); // not one of the three words
    EXPECT_TRUE(frame->ToolBar2.down(IDT_TUCNE));
    EXPECT_FALSE(frame->ToolBar2.down(IDT_KURZIVA));
    EXPECT_TRUE(frame->ToolBar2.down(IDT_PODTRZENO));
    EXPECT_TRUE(frame->ToolBar2.down(IDT_VPRAVO));
    EXPECT_FALSE(frame->ToolBar2.down(IDT_VLEVO));
    EXPECT_EQ(frame->cbPismo.text(), "Arial");
    EXPECT_EQ(frame->cbVelikostPisma.text(), "14");
    frame->showFormatState(false, false, false, "nastred", "Arial", "14");
    EXPECT_TRUE(frame->ToolBar2.down(IDT_STRED));
    EXPECT_FALSE(frame->ToolBar2.down(IDT_VPRAVO));
    EXPECT_FALSE(frame->ToolBar2.down(IDT_TUCNE));
}

TEST_F(MainWindowTest, StatisticsPanelHoldsTheCountOfALongBookWhole) {
    start();
    SetWindowPos(frame->hwnd(), nullptr, 0, 0, 643, 590, SWP_NOMOVE | SWP_NOZORDER); // design size
    ui::pumpPending();
    HWND bar = frame->StatusBar1.hwnd();
    RECT panel{};
    ASSERT_TRUE(SendMessageA(bar, SB_GETRECT, 4, reinterpret_cast<LPARAM>(&panel)));
    HDC dc = GetDC(bar);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)));
    // the size grip stands in the last panel's right end
    const int room = panel.right - panel.left - GetSystemMetrics(SM_CXVSCROLL) - 4;
    for (size_t label : {7u, 8u, 14u}) {
        const std::string text = frame->LanguageStrings[label] + "876543"; // a long book
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        EXPECT_LE(extent.cx, room) << text;
    }
    // the encoding panel holds each name whole (it cut "Windows-1250 (středoevropské)")
    ASSERT_TRUE(SendMessageA(bar, SB_GETRECT, 3, reinterpret_cast<LPARAM>(&panel)));
    const struct {
        const char* name;
        const char* bytes;
    } files[] = {{"a.txt", "k\xF9\xF2\r\n"}, {"b.txt", "\xEF\xBB\xBFk\xC5\xAF\xC5\x88\n"}, {"c.rtf", "{\\rtf1 k}"}};
    for (const auto& [name, bytes] : files) {
        docs.write(name, bytes);
        frame->dropFiles({docs.file(name)});
        EXPECT_EQ(frame->StatusBar1.text(1), name); // the opened file is named at once
        const std::string text = frame->StatusBar1.text(3);
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        EXPECT_LE(extent.cx, panel.right - panel.left - 4) << text;
        EXPECT_FALSE(text.empty());
    }
    SelectObject(dc, old);
    ReleaseDC(bar, dc);
}
