// tests/win/commandtable_test.cpp — the command table: one state per command shown by its menu
// item and tool button, refreshed when a menu opens and after commands; accelerators from the
// menu table; commands without a document
#include "app/resource.h"
#include "tests/win/support.h"
#include "ui/window.h"

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
        {FCONTROL, 'H', IDM_NAHRADIT, "\tCtrl+H"},
    };
    // keys that no menu item shows
    const struct {
        BYTE modifiers;
        WORD key;
        UINT id;
    } more[] = {{FSHIFT, VK_F3, IDM_NAJITPREDCHOZI}};
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
