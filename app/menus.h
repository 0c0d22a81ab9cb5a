// app/menus.h — the main menu and its accelerators, built from one table of rows
#pragma once
#include <windows.h>

#include "ui/actions.h"
#include "ui/unique.h"

#include <string>
#include <vector>

namespace app {

// The main menu's items: first in the order the language library's menu list names them, then
// the newer items, whose captions come from the list of extra texts (kExtraMenuTexts).
enum MenuIndex {
    mmSoubor1, mmNovy1, mmOtevrit1, mmZavrit1, mmUlozit1, mmUlozitJako1, mmTisk1, mmKonec1,
    mmUpravy1, mmPismo1, mmVyjmout1, mmKopirovat1, mmVlozit1, mmZalamovatRadky1, mmZobrazit1,
    mmPanelyNastroju1, mmStandardni1, mmFormat1, mmStavovyRadek1, mmFunkce1, mmSpocitatSlova1,
    mmSpocitatZnaky1, mmSpocitatZnakyBezMezer1, mmPocetRadku1, mmMoznosti1, mmNastaveni1,
    mmZobrazitPrevodnikZn1, mmPrevestZnaky1, mmNapoveda1, mmTemataNapovedy1, mmOProgramu1, mmOkno1,
    mmNasebe1, mmVedlesebe1, mmUsporadat1, kLibraryMenuCount,
    mmZpet1 = kLibraryMenuCount, mmZnovu1, mmVybratVse1, mmNajit1, mmNajitDalsi1, mmNahradit1, kMenuCount
};

// A shortcut key: FCONTROL/FALT/FSHIFT and a virtual key ('A'-'Z', '0'-'9', VK_F1-VK_F12).
struct Shortcut {
    BYTE modifiers = 0;
    WORD key = 0;
};

// One row of the menu table, in the order the menu shows it.
struct MenuRow {
    enum Kind { Menu, Submenu, EndSubmenu, Item, Separator };
    Kind kind;
    MenuIndex index = kMenuCount; // unused by EndSubmenu and Separator
    const char* caption = nullptr; // design caption, replaced by the language library
    UINT id = 0;                   // the command of an Item
    Shortcut shortcut{};           // also an accelerator of the main window
    bool needsDocument = false;    // a Menu or Submenu greyed while no document is open
};

// "Ctrl+O", "Alt+F4", "F1": the text a menu shows for `s` ("" for none).
std::string shortcutText(Shortcut s);

// The first shortcut of a command, or of the command a tool button's key gives (none: no key).
Shortcut shortcutOf(UINT command);

class MainMenu {
public:
    // Builds the menu bar and the accelerator table from the menu table.
    void build();
    HMENU bar() const { return bar_.get(); }
    HACCEL accelerators() const { return accel_; }
    ui::MenuItem& item(MenuIndex k) { return items_[k]; }
    const ui::MenuItem& item(MenuIndex k) const { return items_[k]; }
    // The menu items that show command `id` (its rows).
    std::vector<ui::MenuItem*> itemsOf(UINT id);
    // Greys or enables the menus that need a document.
    void enableDocumentMenus(bool on);
    // The captions of the language library's menu list and of its extra texts.
    void setCaptions(const std::vector<std::string>& captions, const std::vector<std::string>& extra);
    // The window took the menu bar: it destroys it with itself.
    void attached() { bar_.release(); }
    ~MainMenu();

private:
    ui::UniqueMenu bar_;
    HACCEL accel_ = nullptr;
    ui::MenuItem items_[kMenuCount];
};

} // namespace app
