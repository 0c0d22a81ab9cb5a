// app/commands_view.cpp — the commands of the "Zobrazit", "Funkce", "Možnosti", "Okno" and
// "Nápověda" menus (see commands.h for the pattern)
#include "app/commands.h"

#include "app/hlavni.h"
#include "app/o_programu.h"
#include "app/resource.h"
#include "glyvarin/glyvarin.h"
#include "settings/nastaveni.h"
#include "ui/text.h"

namespace app {
namespace {

// The bars that "Zobrazit" shows and hides, each with its setting.
enum class Bar { Standard, Format, Status };

bool& barSetting(settings::TNastaveni& s, Bar bar) {
    return bar == Bar::Standard ? s.Standardni : bar == Bar::Format ? s.Format : s.Stav;
}

// What the window shows now. The setting can differ: the settings dialog stores the bars as
// shown for the next start when the view is not to be remembered, and leaves the window alone.
bool barShown(const Thlavni1& w, Bar bar) {
    return bar == Bar::Status ? w.StatusBar1.visible() : w.CoolBar1.bandVisible(bar == Bar::Standard ? 0 : 1);
}

void toggleBar(Thlavni1& w, Bar bar) {
    const bool on = !barShown(w, bar);
    barSetting(w.nastaveni(), bar) = on;
    if (bar == Bar::Status) {
        w.StatusBar1.setVisible(on);
    } else {
        w.CoolBar1.showBand(bar == Bar::Standard ? 0 : 1, on);
    }
    w.layout();
}

// A statistics result in the last status panel: its label and the count, nothing between.
void showCount(Thlavni1& w, size_t label, unsigned count) {
    w.StatusBar1.setText(4, w.LanguageStrings[label] + std::to_string(count));
}

void mmOProgramu1Click(Thlavni1& w) {
    TAbout1 about(w);
    about.create();
    about.ShowModal();
}

// What the settings dialog takes from the main window.
settings::NastaveniHost settingsHost(Thlavni1& w) {
    std::string caption = withoutAccelerators(w.menu(mmNastaveni1).caption());
    if (caption.ends_with("...")) caption.resize(caption.size() - 3); // the menu's "more to come"
    return {
        .owner = w.hwnd(),
        .caption = caption,
        .languageFile = w.LanguageLibraryFile,
        .languageFolder = ui::folderOf(w.paths().program),
        .barsShown = [&w] {
            return settings::BarsShown{w.CoolBar1.bandVisible(0), w.CoolBar1.bandVisible(1), w.StatusBar1.visible()};
        },
        .applyLanguage = [&w](const std::string& path) {
            w.ApplyLanguage(path);
            predejKnihovnu(path.c_str());
        },
        // a control's popup from CSHelp.txt, whose topic numbers are the control IDs
        .onHelp = [&w](int controlId, POINT where) {
            if (w.HelpRouter1) w.HelpRouter1->ControlPopup(controlId, where);
        },
    };
}

void mmNastaveni1Click(Thlavni1& w) {
    settings::Tnastaveni1 dialog(w.nastaveni(), settingsHost(w));
    dialog.create();
    dialog.ShowModal();
}

void mmPrevestZnaky1Click(Thlavni1& w) {
    PrevestZnaky(w.StatusBar1.hwnd(), w.activeDocument()->RichEdit1.hwnd());
    w.StatusBar1.takeText(0); // the converter wrote its progress there itself
}

const CommandDef kEntries[] = {
    {IDM_STANDARDNI, [](Thlavni1& w) { toggleBar(w, Bar::Standard); }, false, nullptr,
     [](const Thlavni1& w) { return barShown(w, Bar::Standard); }},
    {IDM_FORMAT, [](Thlavni1& w) { toggleBar(w, Bar::Format); }, false, nullptr,
     [](const Thlavni1& w) { return barShown(w, Bar::Format); }},
    {IDM_STAVOVY, [](Thlavni1& w) { toggleBar(w, Bar::Status); }, false, nullptr,
     [](const Thlavni1& w) { return barShown(w, Bar::Status); }},
    {IDM_SLOVA, [](Thlavni1& w) { showCount(w, 8, w.activeDocument()->WordCount()); }, kNeedsDocument},
    {IDM_ZNAKY, [](Thlavni1& w) { showCount(w, 7, w.activeDocument()->CharCount()); }, kNeedsDocument},
    {IDM_ZNAKYBEZMEZER, [](Thlavni1& w) { showCount(w, 7, w.activeDocument()->CharCountNoSpaces()); },
     kNeedsDocument},
    {IDM_RADKY, [](Thlavni1& w) { showCount(w, 14, static_cast<unsigned>(w.activeDocument()->LineCount())); },
     kNeedsDocument},
    {IDM_NASTAVENI, mmNastaveni1Click},
    {IDM_PREVODNIK, [](Thlavni1&) { zobraz(); }},
    {IDM_PREVEST, mmPrevestZnaky1Click, kNeedsDocument},
    {IDM_NASEBE, [](Thlavni1& w) { SendMessageA(w.client(), WM_MDICASCADE, 0, 0); }},
    {IDM_VEDLESEBE, [](Thlavni1& w) { SendMessageA(w.client(), WM_MDITILE, MDITILE_HORIZONTAL, 0); }},
    {IDM_USPORADAT, [](Thlavni1& w) { SendMessageA(w.client(), WM_MDIICONARRANGE, 0, 0); }},
    {IDM_TEMATA, [](Thlavni1& w) { w.HelpRouter1->HelpContents(); }},
    {IDM_OPROGRAMU, mmOProgramu1Click},
};

} // namespace

const CommandList kViewCommands{kEntries};

} // namespace app
