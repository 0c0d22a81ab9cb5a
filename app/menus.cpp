// app/menus.cpp — the main menu table and the menu bar and accelerators built from it
//
// To add a menu item: add a row where the menu shows it, with its command ID (and its
// shortcut, which also becomes an accelerator), and a command entry for that ID (commands.h).
#include "app/menus.h"

#include "app/resource.h"
#include "lang/extra.h"

#include <iterator>

namespace app {
namespace {

using R = MenuRow;
constexpr BYTE kCtrl = FCONTROL;

const MenuRow kMenuRows[] = {
    {R::Menu, mmSoubor1, "Soubor"},
    {R::Item, mmNovy1, "Nový", IDM_NOVY, {kCtrl, 'N'}},
    {R::Item, mmOtevrit1, "Otevřít", IDM_OTEVRIT, {kCtrl, 'O'}},
    {R::Item, mmZavrit1, "Zavřít", IDM_ZAVRIT, {kCtrl, 'W'}},
    {R::Separator},
    {R::Item, mmUlozit1, "Uložit", IDM_ULOZIT, {kCtrl, 'S'}},
    {R::Item, mmUlozitJako1, "Uložit jako", IDM_ULOZITJAKO},
    {R::Separator},
    {R::Item, mmTisk1, "Tisk", IDM_TISK, {kCtrl, 'P'}},
    {R::Separator},
    {R::Item, mmKonec1, "Konec", IDM_KONEC, {FALT, VK_F4}},
    {R::Menu, mmUpravy1, "Úpravy", 0, {}, true},
    {R::Item, mmZpet1, "Zpět", IDM_ZPET, {kCtrl, 'Z'}},
    {R::Item, mmZnovu1, "Znovu", IDM_ZNOVU, {kCtrl, 'Y'}},
    {R::Separator},
    {R::Item, mmPismo1, "Písmo", IDM_PISMO},
    {R::Separator},
    {R::Item, mmVyjmout1, "Vyjmout", IDM_VYJMOUT, {kCtrl, 'X'}},
    {R::Item, mmKopirovat1, "Kopírovat", IDM_KOPIROVAT, {kCtrl, 'C'}},
    {R::Item, mmVlozit1, "Vložit", IDM_VLOZIT, {kCtrl, 'V'}},
    {R::Item, mmVybratVse1, "Vybrat vše", IDM_VYBRATVSE, {kCtrl, 'A'}},
    {R::Separator},
    {R::Item, mmNajit1, "Najít...", IDM_NAJIT, {kCtrl, 'F'}},
    {R::Item, mmNajitDalsi1, "Najít další", IDM_NAJITDALSI, {0, VK_F3}},
    {R::Item, mmNahradit1, "Nahradit...", IDM_NAHRADIT, {kCtrl, 'H'}},
    {R::Separator},
    {R::Item, mmZalamovatRadky1, "Zalamování řádků", IDM_ZALAMOVAT},
    {R::Menu, mmZobrazit1, "Zobrazit"},
    {R::Submenu, mmPanelyNastroju1, "Panely nástrojů"},
    {R::Item, mmStandardni1, "Standardní", IDM_STANDARDNI},
    {R::Item, mmFormat1, "Formát", IDM_FORMAT},
    {R::EndSubmenu},
    {R::Item, mmStavovyRadek1, "Stavový řádek", IDM_STAVOVY},
    {R::Menu, mmFunkce1, "Funkce", 0, {}, true},
    {R::Item, mmSpocitatSlova1, "Spočítat slova", IDM_SLOVA},
    {R::Item, mmSpocitatZnaky1, "Spočítat znaky", IDM_ZNAKY},
    {R::Item, mmSpocitatZnakyBezMezer1, "Spočítat znaky bez mezer", IDM_ZNAKYBEZMEZER},
    {R::Item, mmPocetRadku1, "Počet řádků", IDM_RADKY},
    {R::Menu, mmMoznosti1, "Možnosti"},
    {R::Item, mmNastaveni1, "Nastavení", IDM_NASTAVENI},
    {R::Separator},
    {R::Item, mmZobrazitPrevodnikZn1, "Zobrazit/Upravit převodník znaků", IDM_PREVODNIK},
    {R::Item, mmPrevestZnaky1, "Převést znaky", IDM_PREVEST},
    {R::Menu, mmOkno1, "Okno", 0, {}, true},
    {R::Item, mmNasebe1, "Na sebe", IDM_NASEBE},
    {R::Item, mmVedlesebe1, "Vedle sebe", IDM_VEDLESEBE},
    {R::Item, mmUsporadat1, "Uspořádat", IDM_USPORADAT},
    {R::Menu, mmNapoveda1, "Nápověda"},
    {R::Item, mmTemataNapovedy1, "Témata nápovědy", IDM_TEMATA, {0, VK_F1}},
    {R::Item, mmOProgramu1, "O programu", IDM_OPROGRAMU},
};

// Shortcuts that no menu item shows.
struct Key {
    Shortcut shortcut;
    UINT id;
};
constexpr BYTE kCtrlShift = FCONTROL | FSHIFT;
const Key kMoreKeys[] = {
    {{FSHIFT, VK_F3}, IDM_NAJITPREDCHOZI},
    // the document window keys of every MDI program; they come before the system's own
    // (TranslateMDISysAccel), so that closing by key asks like Zavřít does
    {{kCtrl, VK_F4}, IDM_ZAVRIT},
    {{kCtrl, VK_TAB}, IDM_DALSIOKNO},
    {{kCtrl, VK_F6}, IDM_DALSIOKNO},
    {{kCtrlShift, VK_TAB}, IDM_PREDCHOZIOKNO},
    {{kCtrlShift, VK_F6}, IDM_PREDCHOZIOKNO},
    // the formatting toolbar's buttons; without these the control takes Ctrl+I as a tab
    {{kCtrl, 'B'}, IDM_TUCNE},
    {{kCtrl, 'I'}, IDM_KURZIVA},
    {{kCtrl, 'U'}, IDM_PODTRZENO},
    {{kCtrl, 'L'}, IDM_ZAROVNATVLEVO},
    {{kCtrl, 'E'}, IDM_ZAROVNATNASTRED},
    {{kCtrl, 'R'}, IDM_ZAROVNATVPRAVO},
};

// The tool buttons whose tool tips name the key that does the same.
struct ButtonKey {
    UINT button, command;
};
constexpr ButtonKey kButtonKeys[] = {
    {IDT_TUCNE, IDM_TUCNE},          {IDT_KURZIVA, IDM_KURZIVA},          {IDT_PODTRZENO, IDM_PODTRZENO},
    {IDT_VLEVO, IDM_ZAROVNATVLEVO}, {IDT_STRED, IDM_ZAROVNATNASTRED}, {IDT_VPRAVO, IDM_ZAROVNATVPRAVO},
};

// The newer menu items and their captions among the extra texts.
struct ExtraCaption {
    MenuIndex index;
    language::ExtraText text;
};
constexpr ExtraCaption kExtraMenuTexts[] = {
    {mmZpet1, language::xUndo},          {mmZnovu1, language::xRedo},
    {mmVybratVse1, language::xSelectAll}, {mmNajit1, language::xFind},
    {mmNajitDalsi1, language::xFindNext}, {mmNahradit1, language::xReplace},
};

std::string keyName(WORD key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
    if (key == VK_TAB) return "Tab";
    return "?";
}

} // namespace

std::string shortcutText(Shortcut s) {
    if (!s.key) return {};
    std::string text;
    if (s.modifiers & FCONTROL) text += "Ctrl+";
    if (s.modifiers & FALT) text += "Alt+";
    if (s.modifiers & FSHIFT) text += "Shift+";
    return text + keyName(s.key);
}

Shortcut shortcutOf(UINT command) {
    for (const ButtonKey& b : kButtonKeys)
        if (b.button == command) command = b.command;
    for (const MenuRow& r : kMenuRows)
        if (r.kind == R::Item && r.id == command && r.shortcut.key) return r.shortcut;
    for (const Key& k : kMoreKeys)
        if (k.id == command) return k.shortcut;
    return {};
}

MainMenu::~MainMenu() {
    if (accel_) DestroyAcceleratorTable(accel_);
}

void MainMenu::build() {
    bar_.reset(CreateMenu());
    HMENU current = nullptr, outer = nullptr;
    std::vector<ACCEL> keys;
    for (const MenuRow& r : kMenuRows) {
        switch (r.kind) {
        case R::Menu:
        case R::Submenu: {
            HMENU parent = r.kind == R::Menu ? bar_.get() : current;
            HMENU sub = CreatePopupMenu();
            AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), r.caption);
            items_[r.index].attach(parent, 0, sub);
            outer = r.kind == R::Submenu ? current : nullptr;
            current = sub;
            break;
        }
        case R::EndSubmenu: current = outer; break;
        case R::Separator: AppendMenuA(current, MF_SEPARATOR, 0, nullptr); break;
        case R::Item: {
            std::string text = r.caption;
            if (r.shortcut.key) {
                text += "\t" + shortcutText(r.shortcut);
                keys.push_back({static_cast<BYTE>(r.shortcut.modifiers | FVIRTKEY), r.shortcut.key,
                                static_cast<WORD>(r.id)});
            }
            AppendMenuA(current, MF_STRING, r.id, text.c_str());
            items_[r.index].attach(current, r.id);
            break;
        }
        }
    }
    for (const Key& k : kMoreKeys)
        keys.push_back({static_cast<BYTE>(k.shortcut.modifiers | FVIRTKEY), k.shortcut.key, static_cast<WORD>(k.id)});
    accel_ = CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

std::vector<ui::MenuItem*> MainMenu::itemsOf(UINT id) {
    std::vector<ui::MenuItem*> found;
    for (const MenuRow& r : kMenuRows)
        if (r.kind == R::Item && r.id == id) found.push_back(&items_[r.index]);
    return found;
}

void MainMenu::enableDocumentMenus(bool on) {
    for (const MenuRow& r : kMenuRows)
        if (r.needsDocument) items_[r.index].setEnabled(on);
}

void MainMenu::setCaptions(const std::vector<std::string>& captions, const std::vector<std::string>& extra) {
    for (size_t k = 0; k < kLibraryMenuCount && k < captions.size(); ++k) items_[k].setCaption(captions[k]);
    for (const ExtraCaption& c : kExtraMenuTexts)
        if (c.text < extra.size()) items_[c.index].setCaption(extra[c.text]);
}

} // namespace app
