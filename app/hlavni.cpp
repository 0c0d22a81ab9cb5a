// app/hlavni.cpp — the main window: the frame of document windows, its commands and its life
#include "app/hlavni.h"

#include <shellapi.h>

#include "app/o_programu.h"
#include "app/resource.h"
#include "app/splasch.h"
#include "app/toolimages.h"
#include "glyvarin/glyvarin.h"
#include "lang/library.h"
#include "settings/datafolder.h"
#include "ui/errors.h"
#include "ui/files.h"
#include "ui/printer.h"
#include "ui/prompts.h"
#include "ui/text.h"
#include "ui/unique.h"

#include <algorithm>
#include <climits>
#include <set>

namespace app {
namespace {

constexpr char kClassName[] = "NotavoHlavni";
constexpr char kDefaultFilter[] = "Formátovaný text (*.rtf)|*.rtf|Textový soubor (*.txt)|*.txt";
constexpr const char* kFontSizes[] = {"8", "9", "10", "11", "12", "14", "16", "18",
                                      "20", "22", "24", "26", "28", "36", "48", "72"};

// Design captions of the menu items (replaced by the language library at start-up), their
// command IDs (0 for a submenu) and shortcuts.
struct MenuDef {
    MenuIndex index;
    const char* caption;
    UINT id;
    const char* shortcut;
};

} // namespace

Thlavni1::Thlavni1(Paths paths) : paths_(std::move(paths)) {
    onTerminate = [] { PostQuitMessage(0); };
}

Thlavni1::~Thlavni1() {
    documents_.clear();
    if (accel_) DestroyAcceleratorTable(accel_);
    if (images_) ImageList_Destroy(images_);
    if (font_) DeleteObject(font_);
}

// --- creation

bool Thlavni1::create() {
    registerClass(kClassName, 0, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1),
                  LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_NOTAVO)));
    buildMenu();
    ui::Window::create(WS_EX_ACCEPTFILES, kClassName, "Notavo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                       643, 590, nullptr, menuBar_);
    ui::setAppWindow(hwnd());
    return FormCreate();
}

void Thlavni1::buildMenu() {
    static const MenuDef defs[] = {
        {mmSoubor1, "Soubor", 0, nullptr},
        {mmNovy1, "Nový", IDM_NOVY, nullptr},
        {mmOtevrit1, "Otevřít", IDM_OTEVRIT, "Ctrl+O"},
        {mmZavrit1, "Zavřít", IDM_ZAVRIT, nullptr},
        {kMenuCount, nullptr, 0, nullptr},
        {mmUlozit1, "Uložit", IDM_ULOZIT, "Ctrl+S"},
        {mmUlozitJako1, "Uložit jako", IDM_ULOZITJAKO, nullptr},
        {kMenuCount, nullptr, 0, nullptr},
        {mmTisk1, "Tisk", IDM_TISK, "Ctrl+P"},
        {kMenuCount, nullptr, 0, nullptr},
        {mmKonec1, "Konec", IDM_KONEC, "Alt+F4"},
        {mmUpravy1, "Úpravy", 0, nullptr},
        {mmPismo1, "Písmo", IDM_PISMO, nullptr},
        {kMenuCount, nullptr, 0, nullptr},
        {mmVyjmout1, "Vyjmout", IDM_VYJMOUT, nullptr},
        {mmKopirovat1, "Kopírovat", IDM_KOPIROVAT, nullptr},
        {mmVlozit1, "Vložit", IDM_VLOZIT, nullptr},
        {kMenuCount, nullptr, 0, nullptr},
        {mmZalamovatRadky1, "Zalamování řádků", IDM_ZALAMOVAT, nullptr},
        {mmZobrazit1, "Zobrazit", 0, nullptr},
        {mmPanelyNastroju1, "Panely nástrojů", 0, nullptr},
        {mmStandardni1, "Standardní", IDM_STANDARDNI, nullptr},
        {mmFormat1, "Formát", IDM_FORMAT, nullptr},
        {mmStavovyRadek1, "Stavový řádek", IDM_STAVOVY, nullptr},
        {mmFunkce1, "Funkce", 0, nullptr},
        {mmSpocitatSlova1, "Spočítat slova", IDM_SLOVA, nullptr},
        {mmSpocitatZnaky1, "Spočítat znaky", IDM_ZNAKY, nullptr},
        {mmSpocitatZnakyBezMezer1, "Spočítat znaky bez mezer", IDM_ZNAKYBEZMEZER, nullptr},
        {mmPocetRadku1, "Počet řádků", IDM_RADKY, nullptr},
        {mmMoznosti1, "Možnosti", 0, nullptr},
        {mmNastaveni1, "Nastavení", IDM_NASTAVENI, nullptr},
        {kMenuCount, nullptr, 0, nullptr},
        {mmZobrazitPrevodnikZn1, "Zobrazit/Upravit převodník znaků", IDM_PREVODNIK, nullptr},
        {mmPrevestZnaky1, "Převést znaky", IDM_PREVEST, nullptr},
        {mmOkno1, "Okno", 0, nullptr},
        {mmNasebe1, "Na sebe", IDM_NASEBE, nullptr},
        {mmVedlesebe1, "Vedle sebe", IDM_VEDLESEBE, nullptr},
        {mmUsporadat1, "Uspořádat", IDM_USPORADAT, nullptr},
        {mmNapoveda1, "Nápověda", 0, nullptr},
        {mmTemataNapovedy1, "Témata nápovědy", IDM_TEMATA, "F1"},
        {mmOProgramu1, "O programu", IDM_OPROGRAMU, nullptr},
    };
    // top-level submenus hold the items after them; "Panely nástrojů" nests in "Zobrazit"
    menuBar_ = CreateMenu();
    HMENU current = nullptr, outer = nullptr;
    for (const auto& d : defs) {
        if (d.index == kMenuCount) {
            AppendMenuA(current, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (d.id == 0) {
            HMENU sub = CreatePopupMenu();
            const bool nested = d.index == mmPanelyNastroju1;
            HMENU parent = nested ? current : menuBar_;
            AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), d.caption);
            menu_[d.index].attach(parent, 0, sub);
            if (nested) {
                outer = current;
            } else {
                outer = nullptr;
            }
            current = sub;
            continue;
        }
        std::string text = d.caption;
        if (d.shortcut) text = text + "\t" + d.shortcut;
        AppendMenuA(current, MF_STRING, d.id, text.c_str());
        menu_[d.index].attach(current, d.id);
        if (d.index == mmStavovyRadek1 && outer) current = outer; // back out of "Panely nástrojů"
    }
    for (MenuIndex k : {mmZalamovatRadky1, mmStandardni1, mmFormat1, mmStavovyRadek1}) menu_[k].setChecked(true);

    ACCEL keys[] = {
        {FCONTROL | FVIRTKEY, 'O', IDM_OTEVRIT}, {FCONTROL | FVIRTKEY, 'S', IDM_ULOZIT},
        {FCONTROL | FVIRTKEY, 'P', IDM_TISK},    {FALT | FVIRTKEY, VK_F4, IDM_KONEC},
        {FVIRTKEY, VK_F1, IDM_TEMATA},
    };
    accel_ = CreateAcceleratorTableA(keys, static_cast<int>(std::size(keys)));
}

void Thlavni1::buildBars() {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    ncm.lfMessageFont.lfCharSet = EASTEUROPE_CHARSET;
    font_ = CreateFontIndirectA(&ncm.lfMessageFont);

    CoolBar1.create(hwnd(), IDC_COOLBAR);
    images_ = createToolImages();
    ToolBar1.create(CoolBar1.hwnd(), IDC_TOOLBAR1, images_, nullptr,
                    {{IDM_NOVY, imgNovy}, {IDM_OTEVRIT, imgOtevrit}, {IDM_ULOZIT, imgUlozit}, {0},
                     {IDT_TISK, imgTisk}, {0}, {IDM_VYJMOUT, imgVyjmout}, {IDM_KOPIROVAT, imgKopirovat},
                     {IDM_VLOZIT, imgVlozit}, {0}, {IDT_POZADI, imgPozadi}});
    ToolBar2.create(CoolBar1.hwnd(), IDC_TOOLBAR2, images_, nullptr,
                    {{0}, {0}, {0}, {0}, {IDT_TUCNE, imgTucne, BTNS_CHECK},
                     {IDT_KURZIVA, imgKurziva, BTNS_CHECK}, {IDT_PODTRZENO, imgPodtrzeno, BTNS_CHECK}, {0},
                     {IDT_VLEVO, imgVlevo, BTNS_CHECKGROUP}, {IDT_STRED, imgStred, BTNS_CHECKGROUP},
                     {IDT_VPRAVO, imgVpravo, BTNS_CHECKGROUP}});
    cbPismo.create(ToolBar2.hwnd(), IDC_PISMO, 145, true, font_);
    cbVelikostPisma.create(ToolBar2.hwnd(), IDC_VELIKOST, 48, false, font_);
    ToolBar2.placeControl(cbPismo.hwnd(), 0, 145);
    ToolBar2.placeControl(cbVelikostPisma.hwnd(), 2, 48);
    cbPismo.setText("Times New Roman");
    cbVelikostPisma.setText("12");
    CoolBar1.addBand(ToolBar1.hwnd(), 29, ToolBar1.idealSize().cx);
    CoolBar1.addBand(ToolBar2.hwnd(), 30, ToolBar2.idealSize().cx);

    StatusBar1.create(hwnd(), IDC_STATUSBAR, {150, 150, 100, 100, 50});
}

void Thlavni1::bindActions() {
    const auto bindMenu = [&](ui::Action& a, MenuIndex k) { a.bind(menu_[k]); };
    const auto bindButton = [&](ui::Action& a, ui::ToolBar& bar, UINT id) {
        clients_.push_back(std::make_unique<ui::ToolButton>(bar, id));
        a.bind(*clients_.back());
    };
    bindMenu(alNovy, mmNovy1);
    bindButton(alNovy, ToolBar1, IDM_NOVY);
    bindMenu(alOtevrit, mmOtevrit1);
    bindButton(alOtevrit, ToolBar1, IDM_OTEVRIT);
    bindMenu(alUlozit, mmUlozit1);
    bindButton(alUlozit, ToolBar1, IDM_ULOZIT);
    bindMenu(alVyjmout, mmVyjmout1);
    bindButton(alVyjmout, ToolBar1, IDM_VYJMOUT);
    bindMenu(alKopirovat, mmKopirovat1);
    bindButton(alKopirovat, ToolBar1, IDM_KOPIROVAT);
    bindMenu(alVlozit, mmVlozit1);
    bindButton(alVlozit, ToolBar1, IDM_VLOZIT);
    bindButton(alTucnePismo1, ToolBar2, IDT_TUCNE);
    bindButton(alKurziva1, ToolBar2, IDT_KURZIVA);
    bindButton(alPodtrzenePismo1, ToolBar2, IDT_PODTRZENO);

    alNovy.onExecute = [this] { alNovyExecute(); };
    alOtevrit.onExecute = [this] { alOtevritExecute(); };
    alUlozit.onExecute = [this] { alUlozitExecute(); };
    alZavrit.onExecute = [this] { mmZavrit1Click(); };
    alVyjmout.onExecute = [this] { activeDocument()->RichEdit1.cut(); };
    alKopirovat.onExecute = [this] { activeDocument()->RichEdit1.copy(); };
    alVlozit.onExecute = [this] { activeDocument()->RichEdit1.paste(); };
    bindFormatting();
}

bool Thlavni1::FormCreate() {
    settings_ = std::make_unique<settings::TNastaveni>(settings::loadSettings(paths_.dataFolder, paths_.program));
    buildBars();
    bindActions();

    CLIENTCREATESTRUCT ccs{menu_[mmOkno1].submenu(), IDM_FIRSTCHILD};
    client_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                              hwnd(), nullptr, GetModuleHandleA(nullptr), &ccs);
    if (!client_) ui::throwLastError();

    if (!showSplash()) return false;

    DocumentSlots.fill(nullptr);
    fillFontList();
    for (const char* size : kFontSizes) cbVelikostPisma.add(size);
    DragAcceptFiles(hwnd(), TRUE);
    predejKomponentu(hwnd());
    predejKnihovnu(LanguageLibraryFile.c_str());
    DisableDocumentCommands();
    layout();
    return true;
}

bool Thlavni1::showSplash() {
    SetTimer(hwnd(), kSplashTimerId, splashTimeMs, nullptr);
    ui::ScopeExit dropTimer{[this] { KillTimer(hwnd(), kSplashTimerId); }};
    TSplasch1 splash(*this);
    splash_ = &splash;
    ui::ScopeExit forget{[this] { splash_ = nullptr; }};
    if (!splash.create()) return false;
    dropTimer.dismiss(); // from here the timer discards itself at its tick
    splash.ShowModal();
    return true;
}

void Thlavni1::onSplashTimer() {
    KillTimer(hwnd(), kSplashTimerId); // one tick only
    if (splash_) splash_->Close();
}

void Thlavni1::mmOProgramu1Click() {
    TAbout1 about(*this);
    about.create();
    about.ShowModal();
}

void Thlavni1::fillFontList() {
    std::set<std::string> names;
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(hwnd());
    EnumFontFamiliesExA(
        dc, &lf,
        [](const LOGFONTA* f, const TEXTMETRICA*, DWORD type, LPARAM lp) -> int {
            if (f->lfFaceName[0] != '@' && (type & (TRUETYPE_FONTTYPE | DEVICE_FONTTYPE | RASTER_FONTTYPE)))
                reinterpret_cast<std::set<std::string>*>(lp)->insert(f->lfFaceName);
            return 1;
        },
        reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(hwnd(), dc);
    for (const auto& n : names) cbPismo.add(n);
}

void Thlavni1::show(int showCommand, const std::vector<std::string>& arguments) {
    const auto& o = settings_->Okno;
    MoveWindow(hwnd(), o.Levy, o.Horni, o.Sirka, o.Vyska, FALSE);
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
    FormShow(arguments);
}

bool Thlavni1::openReported(int slot, const std::string& name) {
    try {
        CreateDocumentWindow(slot, true, name);
        return true;
    } catch (const std::exception& e) {
        ui::reportError(e.what());
        return false;
    }
}

void Thlavni1::FormShow(const std::vector<std::string>& arguments) {
    bool opened = false;
    for (const auto& arg : arguments) {
        const int slot = FindFreeSlot();
        if (slot < 0) {
            warnNoSlot(LanguageStrings[3] + ui::baseName(arg));
            break;
        }
        // an unreadable argument is reported and skipped; the start-up goes on
        if (openReported(slot, arg)) opened = true;
    }
    const int n = CountBackupCopies();
    if (n > 0) {
        const int answer = ui::prompts().messageBox(hwnd(), LanguageStrings[11] + std::to_string(n) + LanguageStrings[12],
                                                    LanguageStrings[13], MB_ICONQUESTION | MB_YESNO);
        if (answer == IDYES) {
            RestoreBackupCopies();
            if (!AnyDocumentOpen()) CreateDocumentWindow(0, false, ""); // no copy could be read
        } else {
            if (!opened) CreateDocumentWindow(0, false, "");
            ClearDataFolder();
        }
    } else if (!opened) {
        CreateDocumentWindow(0, false, "");
    }
    cbPismo.setText(settings_->Editor.Pismo);
    cbVelikostPisma.setText(std::to_string(settings_->Editor.Velikost));
    const bool shown[] = {settings_->Standardni, settings_->Format, settings_->Stav};
    const MenuIndex items[] = {mmStandardni1, mmFormat1, mmStavovyRadek1};
    for (int i = 0; i < 3; ++i) {
        menu_[items[i]].setChecked(shown[i]);
        if (i < 2) CoolBar1.showBand(i, shown[i]);
    }
    StatusBar1.setVisible(settings_->Stav);
    layout();
}

// --- the document table

int Thlavni1::FindFreeSlot() const {
    for (int i = 0; i < kSlotCount; ++i)
        if (!DocumentSlots[static_cast<size_t>(i)]) return i;
    return -1;
}

bool Thlavni1::AnyDocumentOpen() const {
    return std::any_of(DocumentSlots.begin(), DocumentSlots.end(), [](auto* w) { return w != nullptr; });
}

document::Teditor1& Thlavni1::CreateDocumentWindow(int slot, bool fromFile, const std::string& name) {
    documents_.push_back(std::make_unique<document::Teditor1>(*this, client_));
    document::Teditor1& doc = *documents_.back();
    DocumentSlots.at(static_cast<size_t>(slot)) = &doc;
    doc.slot = slot;
    ActiveSlot = static_cast<std::uint8_t>(slot);
    doc.ApplySettings();
    const bool backupCopy = ui::extensionOf(name) == ".bcp";
    try {
        if (fromFile && !backupCopy) {
            doc.FileName = name;
            doc.setCaption(ui::baseName(name));
            doc.loadFile(name);
            doc.RichEdit1.setModified(false);
            doc.ChangedSinceBackup = false;
        } else {
            doc.setCaption(LanguageStrings[15] + std::to_string(slot + 1));
            if (backupCopy) {
                doc.loadFile(name);
                // a copy has no file of its own yet: closing it asks, and the next tick copies it
                doc.RichEdit1.setModified(true);
                doc.ChangedSinceBackup = true;
            }
        }
    } catch (...) {
        // nothing was loaded: the window goes again, so no empty window claims the file's name
        DocumentSlots[static_cast<size_t>(slot)] = nullptr;
        SendMessageA(client_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(doc.hwnd()), 0);
        throw;
    }
    EnableDocumentCommands();
    return doc;
}

void Thlavni1::documentDestroyed(document::Teditor1* w) {
    for (auto& slot : DocumentSlots)
        if (slot == w) slot = nullptr;
    // the window is gone and its thunk no longer touches the object: free it now
    std::erase_if(documents_, [w](const auto& p) { return p.get() == w; });
}

void Thlavni1::setDocumentCommands(bool on) {
    alUlozit.setEnabled(on); // also when the others already are: a new document can be saved
    if (documentCommands_ == on) return;
    documentCommands_ = on;
    for (MenuIndex k : {mmZavrit1, mmUpravy1, mmOkno1, mmTisk1, mmUlozitJako1, mmPismo1, mmZalamovatRadky1,
                        mmFunkce1, mmPrevestZnaky1})
        menu_[k].setEnabled(on);
    for (ui::Action* a : {&alVyjmout, &alKopirovat, &alVlozit}) a->setEnabled(on);
    for (UINT id : {IDT_TISK, IDT_POZADI}) ToolBar1.setEnabled(id, on);
    for (ui::Action* a : {&alTucnePismo1, &alKurziva1, &alPodtrzenePismo1}) a->setEnabled(on);
    for (UINT id : {IDT_VPRAVO, IDT_STRED, IDT_VLEVO}) ToolBar2.setEnabled(id, on);
    cbPismo.setEnabled(on);
    cbVelikostPisma.setEnabled(on);
    if (!on) StatusBar1.setText(2, ""), StatusBar1.setText(3, ""); // no caret, no format
    DrawMenuBar(hwnd());
}

// --- backup copies in the data folder

int Thlavni1::CountBackupCopies() {
    ui::createFolder(ui::folderOf(paths_.dataFolder.substr(0, paths_.dataFolder.size() - 1)));
    ui::createFolder(paths_.dataFolder);
    return static_cast<int>(ui::listEntries(paths_.dataFolder + "*.bcp", false).size());
}

void Thlavni1::RestoreBackupCopies() {
    for (const auto& name : ui::listEntries(paths_.dataFolder + "*.bcp", false)) {
        const int slot = FindFreeSlot();
        if (slot < 0) break;
        const std::string path = paths_.dataFolder + name;
        try {
            // The copy becomes the document's own: it goes when the document has a newer copy,
            // is saved under a new name, or the program ends normally, so a second crash before
            // the next copy loses nothing either.
            CreateDocumentWindow(slot, true, path).AdoptBackup(path);
        } catch (const std::exception& e) {
            ui::reportError(e.what()); // the copy stays on disk, and is offered again next time
            unreadCopies_.push_back(name);
        }
    }
}

void Thlavni1::ClearDataFolder() {
    const std::string keep = ui::withExtension(ui::baseName(paths_.program), ".ini");
    for (const auto& name : ui::listEntries(paths_.dataFolder + "*.*", false))
        if (name != keep && std::find(unreadCopies_.begin(), unreadCopies_.end(), name) == unreadCopies_.end())
            ui::deleteFile(paths_.dataFolder + name);
}

// --- language

void Thlavni1::ApplyLanguage(const std::string& path) {
    auto texts = language::readMainTexts(path);
    if (!texts) throw ui::AppError("Nepodařilo se zpracovat jazykovou knihovnu");
    LanguageLibraryFile = path;
    for (int k = 0; k < kMenuCount; ++k) menu_[k].setCaption(texts->menu[static_cast<size_t>(k)]);
    DrawMenuBar(hwnd());
    LanguageStrings = std::move(texts->strings);
    LanguageHints = std::move(texts->hints);
    const UINT hintTargets[] = {IDM_NOVY,  IDM_OTEVRIT, IDM_ULOZIT,    IDT_TISK,  IDM_VYJMOUT, IDM_KOPIROVAT,
                                IDM_VLOZIT, IDT_POZADI, IDC_PISMO,     IDC_VELIKOST, IDT_TUCNE, IDT_KURZIVA,
                                IDT_PODTRZENO, IDT_VLEVO, IDT_STRED, IDT_VPRAVO};
    for (size_t k = 0; k < std::size(hintTargets); ++k) {
        ui::ToolBar& bar = k < 8 ? ToolBar1 : ToolBar2;
        bar.setHint(hintTargets[k], LanguageHints[k]);
    }
    SaveDialog1.filter = texts->filter;
    ExtraTexts = std::move(texts->extra);
    // the type only chooses which files the dialog lists: the content decides how one is read
    OpenDialog1.filter = texts->filter + "|" + ExtraTexts[language::xAllFilesFilter];
}

// --- formatting toolbar

void Thlavni1::ShowFormatState(bool bold, bool italic, bool underline, const std::string& alignment,
                               const std::string& fontName, const std::string& fontSize) {
    // the buttons themselves: a click toggles a button without going through its action
    const std::pair<ui::Action*, UINT> buttons[] = {
        {&alTucnePismo1, IDT_TUCNE}, {&alKurziva1, IDT_KURZIVA}, {&alPodtrzenePismo1, IDT_PODTRZENO}};
    const bool states[] = {bold, italic, underline};
    for (int i = 0; i < 3; ++i) {
        buttons[i].first->setChecked(states[i]);
        ToolBar2.setDown(buttons[i].second, states[i]);
    }
    ToolBar2.setDown(IDT_VLEVO, alignment == "doleva");
    ToolBar2.setDown(IDT_STRED, alignment == "nastred");
    ToolBar2.setDown(IDT_VPRAVO, alignment == "doprava");
    cbPismo.setText(fontName);
    cbVelikostPisma.setText(fontSize);
}

// --- commands

bool Thlavni1::runCommand(UINT id) {
    // a document command that arrives while no document is open (its controls are disabled
    // then, but a message can still come) does nothing
    static const std::set<UINT> needsDocument = {
        IDM_ZAVRIT, IDM_ULOZIT, IDM_ULOZITJAKO, IDM_TISK, IDT_TISK, IDM_VYJMOUT, IDM_KOPIROVAT, IDM_VLOZIT,
        IDM_PISMO, IDM_ZALAMOVAT, IDM_PREVEST, IDM_SLOVA, IDM_ZNAKY, IDM_ZNAKYBEZMEZER, IDM_RADKY,
        IDT_POZADI, IDT_TUCNE, IDT_KURZIVA, IDT_PODTRZENO, IDT_VLEVO, IDT_STRED, IDT_VPRAVO};
    if (needsDocument.count(id) && !activeDocument()) return true;
    switch (id) {
    case IDM_NOVY: alNovy.execute(); return true;
    case IDM_OTEVRIT: alOtevrit.execute(); return true;
    case IDM_ULOZIT: alUlozit.execute(); return true;
    case IDM_ULOZITJAKO: mmUlozitJako1Click(); return true;
    case IDM_ZAVRIT: mmZavrit1Click(); return true;
    case IDM_TISK: mmTisk1Click(); return true;
    case IDT_TISK: tbTisk1Click(); return true;
    case IDM_KONEC: mmKonec1Click(); return true;
    case IDM_VYJMOUT: alVyjmout.execute(); return true;
    case IDM_KOPIROVAT: alKopirovat.execute(); return true;
    case IDM_VLOZIT: alVlozit.execute(); return true;
    case IDM_ZALAMOVAT:
        if (auto* d = activeDocument()) d->ToggleWordWrap();
        menu_[mmZalamovatRadky1].setChecked(!menu_[mmZalamovatRadky1].checked());
        return true;
    case IDM_STANDARDNI: toggleBar(mmStandardni1); return true;
    case IDM_FORMAT: toggleBar(mmFormat1); return true;
    case IDM_STAVOVY: toggleBar(mmStavovyRadek1); return true;
    case IDM_NASEBE: SendMessageA(client_, WM_MDICASCADE, 0, 0); return true;
    case IDM_VEDLESEBE: SendMessageA(client_, WM_MDITILE, MDITILE_HORIZONTAL, 0); return true;
    case IDM_USPORADAT: SendMessageA(client_, WM_MDIICONARRANGE, 0, 0); return true;
    case IDT_TUCNE: alTucnePismo1.execute(); return true;
    case IDT_KURZIVA: alKurziva1.execute(); return true;
    case IDT_PODTRZENO: alPodtrzenePismo1.execute(); return true;
    case IDT_VLEVO: activeDocument()->SetAlignment("doleva"); return true;
    case IDT_STRED: activeDocument()->SetAlignment("nastred"); return true;
    case IDT_VPRAVO: activeDocument()->SetAlignment("doprava"); return true;
    case IDT_POZADI: tbPozadi1Click(); return true;
    case IDM_SLOVA: showCount(8, activeDocument()->WordCount()); return true;
    case IDM_ZNAKY: showCount(7, activeDocument()->CharCount()); return true;
    case IDM_ZNAKYBEZMEZER: showCount(7, activeDocument()->CharCountNoSpaces()); return true;
    case IDM_RADKY: showCount(14, static_cast<unsigned>(activeDocument()->LineCount())); return true;
    case IDM_PISMO: mmPismo1Click(); return true;
    case IDM_OPROGRAMU: mmOProgramu1Click(); return true;
    case IDM_PREVODNIK: mmZobrazitPrevodnikZn1Click(); return true;
    case IDM_PREVEST: mmPrevestZnaky1Click(); return true;
    }
    return false;
}

// --- the character converter (glyvarin.dll)

void Thlavni1::mmZobrazitPrevodnikZn1Click() { zobraz(); }

void Thlavni1::mmPrevestZnaky1Click() {
    PrevestZnaky(StatusBar1.hwnd(), activeDocument()->RichEdit1.hwnd());
    StatusBar1.takeText(0); // the converter wrote its progress there itself
}

// --- formatting

bool Thlavni1::onComboChoice(UINT id) {
    if (id == IDC_PISMO) {
        cbPismoClick(cbPismo.selectedText());
        return true;
    }
    if (id == IDC_VELIKOST) {
        cbVelikostPismaClick(cbVelikostPisma.selectedText());
        return true;
    }
    return false;
}

void Thlavni1::cbPismoClick(const std::string& face) {
    if (!activeDocument()) return;
    activeDocument()->SetFontName(face);
    settings_->Editor.Pismo = face;
}

void Thlavni1::cbVelikostPismaClick(const std::string& size) {
    long long points = 0;
    if (!activeDocument() || !ui::parseInt(size, points) || points < INT_MIN || points > INT_MAX) return;
    activeDocument()->SetFontSize(static_cast<int>(points));
}

// Enter in the size box: a text that is a whole number is the new size; anything else is ignored.
void Thlavni1::cbVelikostPismaKeyPress() { cbVelikostPismaClick(cbVelikostPisma.text()); }

void Thlavni1::bindFormatting() {
    // a click has already toggled the button: the command applies its new state
    alTucnePismo1.onExecute = [this] { activeDocument()->SetBold(ToolBar2.down(IDT_TUCNE)); };
    alKurziva1.onExecute = [this] { activeDocument()->SetItalic(ToolBar2.down(IDT_KURZIVA)); };
    alPodtrzenePismo1.onExecute = [this] { activeDocument()->SetUnderline(ToolBar2.down(IDT_PODTRZENO)); };
    cbVelikostPisma.onEnter = [this] { cbVelikostPismaKeyPress(); };
}

void Thlavni1::mmPismo1Click() {
    const auto font = ui::prompts().chooseFont(hwnd(), FontDialog1);
    if (!font) return;
    FontDialog1 = *font;
    ui::RichEdit& text = activeDocument()->RichEdit1;
    text.setSelectionFace(font->face);
    cbPismo.setText(font->face);
    text.setSelectionSize(font->sizePt);
    cbVelikostPisma.setText(std::to_string(font->sizePt));
    text.setSelectionEffects((font->bold ? ui::RichEdit::Bold : 0) | (font->italic ? ui::RichEdit::Italic : 0) |
                             (font->underline ? ui::RichEdit::Underline : 0) |
                             (font->strikeOut ? ui::RichEdit::StrikeOut : 0));
    text.setSelectionColor(font->color);
    if (settings_->Typ) {
        settings_->Editor.Pismo = font->face;
        settings_->Editor.Velikost = font->sizePt;
        settings_->Editor.Barva = font->color;
    }
}

void Thlavni1::tbPozadi1Click() {
    const auto color = ui::prompts().chooseColor(hwnd(), ColorDialog1);
    if (!color) return;
    ColorDialog1 = *color;
    activeDocument()->RichEdit1.setBackground(*color);
    settings_->Editor.Pozadi = *color;
}

// A statistics result in the last status panel: its label and the count, nothing between.
void Thlavni1::showCount(size_t label, unsigned count) {
    StatusBar1.setText(4, LanguageStrings[label] + std::to_string(count));
}

void Thlavni1::toggleBar(MenuIndex item) {
    const bool on = !menu_[item].checked();
    menu_[item].setChecked(on);
    if (item == mmStandardni1) {
        settings_->Standardni = on;
        CoolBar1.showBand(0, on);
    } else if (item == mmFormat1) {
        settings_->Format = on;
        CoolBar1.showBand(1, on);
    } else {
        settings_->Stav = on;
        StatusBar1.setVisible(on);
    }
    layout();
}

void Thlavni1::warnNoSlot(const std::string& text) {
    ui::prompts().messageBox(hwnd(), text, LanguageStrings[4], MB_ICONWARNING);
}

void Thlavni1::alNovyExecute() {
    StatusBar1.setText(0, LanguageStrings[2]);
    const int slot = FindFreeSlot();
    if (slot < 0) {
        warnNoSlot(LanguageStrings[3]);
        return;
    }
    CreateDocumentWindow(slot, false, "");
    StatusBar1.setText(0, LanguageStrings[5]);
}

void Thlavni1::alOtevritExecute() {
    StatusBar1.setText(0, LanguageStrings[6]);
    const int slot = FindFreeSlot();
    if (slot < 0) {
        warnNoSlot(LanguageStrings[3]);
        return;
    }
    ui::FileDialogArgs args;
    args.owner = hwnd();
    args.filter = OpenDialog1.filter.empty() ? kDefaultFilter : OpenDialog1.filter;
    args.defaultExt = "rtf";
    args.filterIndex = OpenDialog1.filterIndex;
    args.fileName = OpenDialog1.fileName; // the dialog opens where the last file was
    args.mustExist = true;
    if (const auto choice = ui::prompts().openFile(args)) {
        OpenDialog1.filterIndex = choice->filterIndex;
        OpenDialog1.fileName = choice->path;
        CreateDocumentWindow(slot, true, choice->path);
    }
    StatusBar1.setText(1, ui::baseName(OpenDialog1.fileName));
    StatusBar1.setText(0, LanguageStrings[5]);
}

std::optional<std::string> Thlavni1::runSaveDialog(document::Teditor1& doc) {
    ui::FileDialogArgs args;
    args.owner = hwnd();
    args.filter = SaveDialog1.filter.empty() ? kDefaultFilter : SaveDialog1.filter;
    args.defaultExt = "rtf";
    // The dialog opens on the type the document is written in: a formatted document offered
    // as "text" (the type last chosen for another document) would be written as RTF under a
    // text file's name and extension.
    SaveDialog1.filterIndex = doc.RichEdit1.plainText() ? 2 : 1;
    args.filterIndex = SaveDialog1.filterIndex;
    args.fileName = doc.FileName; // a named document: its folder and name
    // choosing plain text asks; Yes switches this document (the one being saved), also when
    // the dialog is cancelled afterwards
    args.onTypeChange = [this, &doc](int index) {
        if (index == 2 && !doc.RichEdit1.plainText()) {
            const int answer = ui::prompts().messageBox(hwnd(), LanguageStrings[9], LanguageStrings[10],
                                                        MB_ICONQUESTION | MB_YESNO);
            if (answer == IDYES) {
                doc.RichEdit1.setPlainText(true);
            } else {
                index = 1;
            }
        }
        SaveDialog1.filterIndex = index;
        return index;
    };
    const auto choice = ui::prompts().saveFile(args);
    if (!choice) return std::nullopt;
    SaveDialog1.filterIndex = choice->filterIndex;
    SaveDialog1.fileName = choice->path;
    return choice->path;
}

void Thlavni1::alUlozitExecute() {
    StatusBar1.setText(0, LanguageStrings[0]);
    document::Teditor1* doc = activeDocument();
    doc->Save();
    if (!doc->FileName.empty()) StatusBar1.setText(1, ui::baseName(doc->FileName));
    alUlozit.setEnabled(false);
    StatusBar1.setText(0, LanguageStrings[1]);
}

void Thlavni1::mmUlozitJako1Click() { activeDocument()->SaveAs(); }

void Thlavni1::mmTisk1Click() {
    if (const auto printer = ui::prompts().printDialog({hwnd()})) activeDocument()->Print(*printer);
}

void Thlavni1::tbTisk1Click() { activeDocument()->Print(*ui::prompts().currentPrinter()); }

void Thlavni1::mmZavrit1Click() {
    if (auto* d = activeDocument()) d->requestClose();
}

void Thlavni1::CloseAllDocuments() {
    bool any = false;
    for (int i = 0; i < kSlotCount; ++i) {
        document::Teditor1* doc = DocumentSlots[static_cast<size_t>(i)];
        if (!doc) continue;
        any = true;
        doc->requestClose();
        if (!MayCloseFlag) return;
    }
    if (!any) MayCloseFlag = true;
}

void Thlavni1::mmKonec1Click() {
    CloseAllDocuments();
    if (!MayCloseFlag) return;
    closing_ = true;
    DestroyWindow(hwnd());
}

void Thlavni1::FormClose() {
    RECT r;
    GetWindowRect(hwnd(), &r);
    try {
        settings::storeSettings(*settings_, paths_.dataFolder, paths_.program,
                                {r.right - r.left, r.bottom - r.top, r.left, r.top});
    } catch (const std::exception& e) {
        ui::reportError(e.what()); // the documents are still asked; the settings are not worth a refusal
    }
    CloseAllDocuments();
    if (!MayCloseFlag) return;
    ClearDataFolder();
    closing_ = true;
    DestroyWindow(hwnd());
}

std::string Thlavni1::contextCaption(document::ContextItem item) const {
    switch (item) {
    case document::ContextItem::Pismo: return menu_[mmPismo1].caption();
    case document::ContextItem::Kopirovat: return menu_[mmKopirovat1].caption();
    case document::ContextItem::Vyjmout: return menu_[mmVyjmout1].caption();
    case document::ContextItem::Vlozit: return menu_[mmVlozit1].caption();
    }
    return {};
}

void Thlavni1::runContextCommand(document::ContextItem item) {
    switch (item) {
    case document::ContextItem::Pismo: runCommand(IDM_PISMO); break;
    case document::ContextItem::Kopirovat: runCommand(IDM_KOPIROVAT); break;
    case document::ContextItem::Vyjmout: runCommand(IDM_VYJMOUT); break;
    case document::ContextItem::Vlozit: runCommand(IDM_VLOZIT); break;
    }
}

// --- files dropped from the shell

void Thlavni1::onDropFiles(HDROP drop) {
    std::vector<std::string> files;
    const UINT n = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < n; ++i) {
        std::string name(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
        name.resize(DragQueryFileA(drop, i, name.data(), static_cast<UINT>(name.size())));
        files.push_back(name);
    }
    DragFinish(drop);
    dropFiles(files);
}

void Thlavni1::dropFiles(const std::vector<std::string>& files) {
    for (const auto& name : files) {
        const int slot = FindFreeSlot();
        if (slot < 0) {
            warnNoSlot(LanguageStrings[3] + ui::baseName(name));
            return;
        }
        openReported(slot, name); // a file that cannot be read does not stop the later ones
    }
}

// --- window plumbing

void Thlavni1::layout() {
    if (!client_) return;
    RECT r;
    GetClientRect(hwnd(), &r);
    SendMessageA(CoolBar1.hwnd(), WM_SIZE, 0, 0);
    SendMessageA(StatusBar1.hwnd(), WM_SIZE, 0, 0);
    const int top = CoolBar1.height();
    const int bottom = StatusBar1.height();
    MoveWindow(client_, 0, top, r.right, std::max<LONG>(0, r.bottom - top - bottom), TRUE);
}

bool Thlavni1::onNotify(NMHDR* hdr) {
    if (hdr->hwndFrom == CoolBar1.hwnd() && hdr->code == RBN_HEIGHTCHANGE) {
        layout();
        return true;
    }
    return ToolBar1.onNotify(hdr) || ToolBar2.onNotify(hdr);
}

LRESULT Thlavni1::defaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefFrameProcA(hwnd(), client_, msg, wp, lp);
}

LRESULT Thlavni1::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE: layout(); return 0;
    case WM_COMMAND:
        if (HIWORD(wp) == CBN_SELCHANGE && onComboChoice(LOWORD(wp))) return 0;
        if (HIWORD(wp) <= 1 && runCommand(LOWORD(wp))) return 0; // menu, accelerator, tool button
        break;
    case WM_NOTIFY:
        if (onNotify(reinterpret_cast<NMHDR*>(lp))) return 0;
        break;
    case WM_DROPFILES: onDropFiles(reinterpret_cast<HDROP>(wp)); return 0;
    case WM_TIMER:
        if (wp == kSplashTimerId) {
            onSplashTimer();
            return 0;
        }
        break;
    case WM_CLOSE: FormClose(); return 0;
    case WM_DESTROY:
        if (closing_ && onTerminate) onTerminate();
        break;
    }
    return defaultProc(msg, wp, lp);
}

} // namespace app
