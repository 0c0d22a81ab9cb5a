// tests/win/commandtable_test.cpp — the command table: one state per command shown by its menu
// item and tool button, refreshed when a menu opens and after commands; accelerators from the
// menu table; commands without a document
#include "app/resource.h"
#include "tests/win/support.h"
#include "ui/window.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <iterator>
#include <set>
#include <tuple>

using namespace test;

namespace {

std::string menuText(HMENU menu, UINT id) {
    char buf[256] = {};
    GetMenuStringA(menu, id, buf, sizeof buf, MF_BYCOMMAND);
    return buf;
}

} // namespace

// Each shortcut shown in the menu is an accelerator of the same command, and no other exists.
TEST_F(MainWindowTest, AcceleratorsAreTheShortcutsTheMenuShows) {
    start();
    const struct {
        BYTE modifiers;
        WORD key;
        UINT id;
        const char* text;
    } expected[] = {
        {FCONTROL, 'O', IDM_OTEVRIT, "\tCtrl+O"}, {FCONTROL, 'S', IDM_ULOZIT, "\tCtrl+S"},
        {FCONTROL, 'P', IDM_TISK, "\tCtrl+P"},    {FALT, VK_F4, IDM_KONEC, "\tAlt+F4"},
        {0, VK_F1, IDM_TEMATA, "\tF1"},       {FCONTROL, 'Z', IDM_ZPET, "\tCtrl+Z"},
        {FCONTROL, 'Y', IDM_ZNOVU, "\tCtrl+Y"}, {FCONTROL, 'A', IDM_VYBRATVSE, "\tCtrl+A"},
        {FCONTROL, 'F', IDM_NAJIT, "\tCtrl+F"}, {0, VK_F3, IDM_NAJITDALSI, "\tF3"},
        {FCONTROL, 'H', IDM_NAHRADIT, "\tCtrl+H"}, {FCONTROL, 'N', IDM_NOVY, "\tCtrl+N"},
        {FCONTROL, 'W', IDM_ZAVRIT, "\tCtrl+W"}, {FCONTROL, 'X', IDM_VYJMOUT, "\tCtrl+X"},
        {FCONTROL, 'C', IDM_KOPIROVAT, "\tCtrl+C"}, {FCONTROL, 'V', IDM_VLOZIT, "\tCtrl+V"},
    };
    // keys that no menu item shows
    const struct {
        BYTE modifiers;
        WORD key;
        UINT id;
    } more[] = {{FSHIFT, VK_F3, IDM_NAJITPREDCHOZI},
                {FCONTROL, VK_F4, IDM_ZAVRIT},
                {FCONTROL, VK_TAB, IDM_DALSIOKNO},
                {FCONTROL, VK_F6, IDM_DALSIOKNO},
                {FCONTROL | FSHIFT, VK_TAB, IDM_PREDCHOZIOKNO},
                {FCONTROL | FSHIFT, VK_F6, IDM_PREDCHOZIOKNO},
                {FCONTROL, 'B', IDM_TUCNE},
                {FCONTROL, 'I', IDM_KURZIVA},
                {FCONTROL, 'U', IDM_PODTRZENO},
                {FCONTROL, 'L', IDM_ZAROVNATVLEVO},
                {FCONTROL, 'E', IDM_ZAROVNATNASTRED},
                {FCONTROL, 'R', IDM_ZAROVNATVPRAVO}};
    const int n = CopyAcceleratorTableA(frame->accelerators(), nullptr, 0);
    std::vector<ACCEL> keys(static_cast<size_t>(n));
    CopyAcceleratorTableA(frame->accelerators(), keys.data(), n);
    std::set<std::tuple<int, int, int>> have, want;
    for (const ACCEL& a : keys) have.insert({a.fVirt & ~FVIRTKEY, a.key, a.cmd});
    for (const auto& e : expected) {
        want.insert({e.modifiers, e.key, static_cast<int>(e.id)});
        const std::string text = menuText(GetMenu(frame->hwnd()), e.id);
        EXPECT_NE(text.find(e.text), std::string::npos) << text;
    }
    for (const auto& e : more) want.insert({e.modifiers, e.key, static_cast<int>(e.id)});
    EXPECT_EQ(have, want);
    EXPECT_EQ(app::shortcutText({FCONTROL | FSHIFT, 'Z'}), "Ctrl+Shift+Z");
    EXPECT_EQ(app::shortcutText({0, VK_F12}), "F12");
    EXPECT_EQ(app::shortcutText({}), "");
    // the formatting buttons' tips name their keys
    EXPECT_EQ(frame->ToolBar2.hint(IDT_KURZIVA), frame->LanguageHints.at(11) + " (Ctrl+I)");
    EXPECT_EQ(frame->ToolBar1.hint(IDM_NOVY), frame->LanguageHints.at(0) + " (Ctrl+N)");
}

namespace {

// Presses `key` with Ctrl (and Shift) held in `target` through the program's loop: true when
// the program took it before the window.
bool pressKey(app::Thlavni1& frame, HWND target, WORD key, bool shift = false) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    BYTE held[256];
    std::copy(std::begin(state), std::end(state), held);
    held[VK_CONTROL] = held[VK_LCONTROL] = 0x80;
    if (shift) held[VK_SHIFT] = held[VK_LSHIFT] = 0x80;
    SetKeyboardState(held);
    MSG m{target, WM_KEYDOWN, key, 1, 0, {}};
    const bool taken = frame.translateKey(m);
    SetKeyboardState(state);
    if (!taken) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    ui::pumpPending();
    return taken;
}

DWORD effectsOf(HWND edit) {
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    SendMessageA(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE);
}

WORD alignmentOf(HWND edit) {
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    SendMessageA(edit, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    return pf.wAlignment;
}

} // namespace

// The program's keys reach their commands before the control: the formatting keys press the
// toolbar's buttons (Ctrl+I inserted a tab), Ctrl+Tab and Ctrl+F6 go round the documents, Ctrl+W
// and Ctrl+F4 close one (Ctrl+W showed the control's debugging box under Wine). Keys typed in a
// window of the program's that is not the main window are left to it.
TEST_F(MainWindowTest, ShortcutsComeBeforeTheControl) {
    docs.write("a.rtf", "{\\rtf1\\ansi Dopis}");
    start({docs.file("a.rtf")});
    EXPECT_FALSE(frame->activeDocument()->RichEdit1.canUndo()); // reading a file is no step to undo
    frame->runCommand(IDM_NOVY);
    ASSERT_EQ(openCount(), 2);
    EXPECT_FALSE(frame->activeDocument()->RichEdit1.canUndo()); // nor is a new document's style
    HWND edit = frame->activeDocument()->RichEdit1.hwnd();
    frame->activeDocument()->RichEdit1.setText("Žluťoučký kůň");
    frame->activeDocument()->RichEdit1.select(0, 4);
    const struct {
        WORD key;
        UINT button;
        DWORD effect;
    } effects[] = {{'B', IDT_TUCNE, CFE_BOLD}, {'I', IDT_KURZIVA, CFE_ITALIC}, {'U', IDT_PODTRZENO, CFE_UNDERLINE}};
    DWORD expected = 0;
    for (const auto& e : effects) {
        EXPECT_TRUE(pressKey(*frame, edit, e.key)) << e.key;
        expected |= e.effect;
        EXPECT_EQ(effectsOf(edit), expected) << e.key;
        EXPECT_TRUE(frame->ToolBar2.down(e.button)) << e.key;
    }
    EXPECT_TRUE(pressKey(*frame, edit, 'B')); // again: off
    EXPECT_EQ(effectsOf(edit), expected & ~CFE_BOLD);
    EXPECT_FALSE(frame->ToolBar2.down(IDT_TUCNE));
    EXPECT_EQ(frame->activeDocument()->RichEdit1.text(), "Žluťoučký kůň"); // no tab, nothing typed

    const struct {
        WORD key;
        UINT button;
        WORD alignment;
    } alignments[] = {{'E', IDT_STRED, PFA_CENTER}, {'R', IDT_VPRAVO, PFA_RIGHT}, {'L', IDT_VLEVO, PFA_LEFT}};
    for (const auto& a : alignments) {
        EXPECT_TRUE(pressKey(*frame, edit, a.key)) << a.key;
        EXPECT_EQ(alignmentOf(edit), a.alignment) << a.key;
        for (UINT b : {IDT_VLEVO, IDT_STRED, IDT_VPRAVO}) EXPECT_EQ(frame->ToolBar2.down(b), b == a.button) << a.key;
    }

    const HWND second = frame->activeDocument()->hwnd();
    const struct {
        WORD key;
        bool shift;
    } rounds[] = {{VK_TAB, false}, {VK_F6, false}, {VK_TAB, true}, {VK_F6, true}};
    for (const auto& r : rounds) {
        const HWND before = frame->activeDocument()->hwnd();
        EXPECT_TRUE(pressKey(*frame, frame->activeDocument()->RichEdit1.hwnd(), r.key, r.shift)) << r.key;
        EXPECT_NE(frame->activeDocument()->hwnd(), before) << r.key; // two documents: the other one
    }
    EXPECT_EQ(frame->activeDocument()->hwnd(), second);

    // the font box's field keeps the keys that edit its text, and gives the others
    HWND fontField = FindWindowExA(frame->cbPismo.hwnd(), nullptr, "Edit", nullptr);
    ASSERT_NE(fontField, nullptr);
    EXPECT_FALSE(pressKey(*frame, fontField, 'C'));
    EXPECT_FALSE(pressKey(*frame, fontField, 'Z'));
    EXPECT_TRUE(pressKey(*frame, fontField, 'B'));
    EXPECT_TRUE(pressKey(*frame, fontField, 'B'));
    // a window of the program's own outside the main window keeps its keys
    HWND other = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 50, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(pressKey(*frame, other, 'B'));
    DestroyWindow(other);

    frame->activeDocument()->RichEdit1.setText(""); // unchanged documents close without asking
    SendMessageA(frame->activeDocument()->RichEdit1.hwnd(), EM_SETMODIFY, FALSE, 0);
    EXPECT_TRUE(pressKey(*frame, frame->activeDocument()->RichEdit1.hwnd(), 'W'));
    EXPECT_EQ(openCount(), 1);
    EXPECT_TRUE(pressKey(*frame, frame->activeDocument()->RichEdit1.hwnd(), VK_F4));
    EXPECT_EQ(openCount(), 0);
    EXPECT_TRUE(prompts.boxes().empty());
}

// The access keys of every menu, in each of the program's languages, are one letter or digit
// each (typeable on a Czech keyboard: no accented letters) and unique within the menu.
TEST_F(MainWindowTest, AccessKeysAreUniqueAndTypeable) {
    start();
    std::function<void(HMENU, const std::string&)> walk = [&](HMENU menu, const std::string& where) {
        std::set<char> seen;
        for (int k = 0; k < GetMenuItemCount(menu); ++k) {
            char buf[256] = {};
            GetMenuStringA(menu, static_cast<UINT>(k), buf, sizeof buf, MF_BYPOSITION);
            const std::string text = buf;
            if (HMENU sub = GetSubMenu(menu, k)) walk(sub, where + " > " + text);
            if (text.empty()) continue; // a separator
            const size_t amp = text.find('&');
            ASSERT_NE(amp, std::string::npos) << where << ": " << text;
            ASSERT_LT(amp + 1, text.size()) << where << ": " << text;
            const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(text[amp + 1])));
            EXPECT_TRUE((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) << where << ": " << text;
            EXPECT_TRUE(seen.insert(key).second) << where << ": " << text << " repeats " << key;
        }
    };
    for (const char* library : {"lang.cs.dll", "lang.en.dll"}) {
        frame->ApplyLanguage(testFolder() + library);
        walk(GetMenu(frame->hwnd()), library);
    }
}

// A command's menu item and tool button show one state; a stale state is put right when a menu
// opens; check marks follow the program's state after each command.
TEST_F(MainWindowTest, OneStatePerCommandRefreshedFromTheProgram) {
    start();
    ui::Action& cut = frame->action(IDM_VYJMOUT);
    cut.setEnabled(false);
    EXPECT_FALSE(frame->menu(app::mmVyjmout1).enabled());
    EXPECT_FALSE(frame->ToolBar1.enabled(IDM_VYJMOUT));
    SendMessageA(frame->hwnd(), WM_INITMENUPOPUP,
                 reinterpret_cast<WPARAM>(frame->menu(app::mmUpravy1).submenu()), 1);
    EXPECT_TRUE(cut.enabled()); // a document is open
    EXPECT_TRUE(frame->menu(app::mmVyjmout1).enabled());
    EXPECT_TRUE(frame->ToolBar1.enabled(IDM_VYJMOUT));

    const struct {
        UINT id;
        app::MenuIndex item;
        bool (*setting)(const settings::TNastaveni&);
    } toggles[] = {
        {IDM_ZALAMOVAT, app::mmZalamovatRadky1, nullptr},
        {IDM_STANDARDNI, app::mmStandardni1, [](const settings::TNastaveni& s) { return s.Standardni; }},
        {IDM_FORMAT, app::mmFormat1, [](const settings::TNastaveni& s) { return s.Format; }},
        {IDM_STAVOVY, app::mmStavovyRadek1, [](const settings::TNastaveni& s) { return s.Stav; }},
    };
    for (const auto& t : toggles) {
        for (bool on : {false, true}) {
            ASSERT_TRUE(frame->runCommand(t.id));
            EXPECT_EQ(frame->menu(t.item).checked(), on) << t.id;
            EXPECT_EQ(frame->action(t.id).checked(), on) << t.id;
            if (t.setting) EXPECT_EQ(t.setting(frame->nastaveni()), on) << t.id;
        }
    }
    EXPECT_EQ(frame->activeDocument()->RichEdit1.wordWrap(), true); // toggled twice
}

// With no document open the document commands are greyed, and one that still arrives does
// nothing; a command ID without an entry is left to the frame's default handling.
TEST_F(MainWindowTest, CommandsWithoutADocument) {
    start();
    SendMessageA(frame->client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(frame->activeDocument()->hwnd()), 0);
    ui::pumpPending();
    ASSERT_EQ(openCount(), 0); // the table freed the slot of the destroyed window
    for (UINT id : {IDM_ZAVRIT, IDM_TISK, IDT_TISK, IDM_PISMO, IDM_SLOVA, IDT_TUCNE, IDT_VLEVO, IDM_PREVEST})
        EXPECT_FALSE(frame->action(id).enabled()) << id;
    for (app::MenuIndex k : {app::mmUpravy1, app::mmFunkce1, app::mmOkno1})
        EXPECT_FALSE(frame->menu(k).enabled()) << k;
    for (UINT id : {IDM_NOVY, IDM_OTEVRIT, IDM_KONEC, IDM_STANDARDNI, IDM_OPROGRAMU})
        EXPECT_TRUE(frame->action(id).enabled()) << id;
    frame->StatusBar1.setText(4, "před");
    EXPECT_TRUE(frame->runCommand(IDM_SLOVA));
    EXPECT_EQ(frame->StatusBar1.text(4), "před");
    EXPECT_FALSE(frame->runCommand(IDM_FIRSTCHILD + 7));
    EXPECT_THROW(frame->action(IDM_FIRSTCHILD + 7), std::out_of_range);

    frame->runCommand(IDM_NOVY);
    EXPECT_TRUE(frame->action(IDM_SLOVA).enabled());
    EXPECT_TRUE(frame->menu(app::mmFunkce1).enabled());
}
