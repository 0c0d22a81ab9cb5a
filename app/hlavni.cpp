// app/hlavni.cpp — the main window: creation, the window procedure, language, closing
#include "app/hlavni.h"

#include "app/resource.h"
#include "app/splasch.h"
#include "glyvarin/glyvarin.h"
#include "lang/library.h"
#include "settings/datafolder.h"
#include "ui/errors.h"
#include "ui/monitor.h"
#include "ui/text.h"

#include <algorithm>
#include <iterator>

namespace app {
namespace {

constexpr char kClassName[] = "NotavoHlavni";
constexpr ui::Size kMinimumSize{400, 300}; // the menus, the tool bars and a document in view

// The document's context menu runs the main menu's items of the same name.
struct ContextCommand {
    document::ContextItem item;
    MenuIndex menu;
    UINT id;
};
constexpr ContextCommand kContextCommands[] = {
    {document::ContextItem::Pismo, mmPismo1, IDM_PISMO},
    {document::ContextItem::Kopirovat, mmKopirovat1, IDM_KOPIROVAT},
    {document::ContextItem::Vyjmout, mmVyjmout1, IDM_VYJMOUT},
    {document::ContextItem::Vlozit, mmVlozit1, IDM_VLOZIT},
};

const ContextCommand& contextCommand(document::ContextItem item) {
    return *std::find_if(std::begin(kContextCommands), std::end(kContextCommands),
                         [item](const ContextCommand& c) { return c.item == item; });
}

// The tool buttons that show commands, by bar.
constexpr UINT kToolBar1Buttons[] = {IDM_NOVY,    IDM_OTEVRIT,   IDM_ULOZIT, IDT_TISK,
                                     IDM_VYJMOUT, IDM_KOPIROVAT, IDM_VLOZIT, IDT_POZADI};
constexpr UINT kToolBar2Buttons[] = {IDT_TUCNE, IDT_KURZIVA, IDT_PODTRZENO, IDT_VLEVO, IDT_STRED, IDT_VPRAVO};

} // namespace

Thlavni1::Thlavni1(Paths paths)
    : paths_(std::move(paths)), owner_(std::make_unique<document::BackupOwner>(paths_.dataFolder)) {
    onTerminate = [] { PostQuitMessage(0); };
    FontDialog1.color = GetSysColor(COLOR_WINDOWTEXT); // the font dialog's design colour
}

Thlavni1::~Thlavni1() { destroyDocuments(); }

bool Thlavni1::create() {
    registerClass(kClassName, 0, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1),
                  LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_NOTAVO)));
    menu_.build();
    ui::Window::create(WS_EX_ACCEPTFILES, kClassName, "Notavo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                       643, 590, nullptr, menu_.bar());
    menu_.attached();
    ui::setAppWindow(hwnd());
    if (onWindowCreated) onWindowCreated(hwnd());
    return FormCreate();
}

void Thlavni1::bindCommands() {
    for (int k = 0; k < kMenuCount; ++k) {
        ui::MenuItem& item = menu_.item(static_cast<MenuIndex>(k));
        if (item.id()) commands_.bindMenuItem(item, item.id());
    }
    for (UINT id : kToolBar1Buttons) commands_.bindButton(ToolBar1, id);
    for (UINT id : kToolBar2Buttons) commands_.bindButton(ToolBar2, id);
    cbVelikostPisma.onEnter = [this] { cbVelikostPismaClick(cbVelikostPisma.text()); };
}

bool Thlavni1::FormCreate() {
    HelpRouter1 = std::make_unique<THelpRouter>(hwnd());
    HelpRouter1->HelpType = THelpType::htHTMLhelp;
    HelpRouter1->CHMPopupTopics = "CSHelp.txt";
    HelpRouter1->ValidateID = false;
    HelpRouter1->Helpfile = ui::folderOf(paths_.program) + "napovedaN5.chm";
    settings_ = std::make_unique<settings::TNastaveni>(settings::loadSettings(paths_.dataFolder, paths_.program));
    recent_ = settings::loadRecent(paths_.dataFolder, paths_.program);
    recentMenu_.attach(menu_.item(mmSoubor1).submenu(), IDM_KONEC);
    recentMenu_.show(recent_);
    createBars(hwnd());
    bindCommands();

    CLIENTCREATESTRUCT ccs{menu_.item(mmOkno1).submenu(), IDM_FIRSTCHILD};
    client_ = ui::createChild(hwnd(), {.className = "MDICLIENT",
                                       .style = WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                                       .exStyle = WS_EX_CLIENTEDGE,
                                       .id = 0,
                                       .createParam = &ccs});

    if (!showSplash()) return false;

    DocumentSlots.fill(nullptr);
    DragAcceptFiles(hwnd(), TRUE);
    predejKomponentu(hwnd());
    predejKnihovnu(LanguageLibraryFile.c_str());
    updateActions();
    layout();
    return true;
}

void Thlavni1::show(int showCommand, const std::vector<std::string>& arguments) {
    // the stored rectangle, brought onto a monitor: one unplugged since, or a size of 0 or less,
    // must not hide the window
    const auto& o = settings_->Okno;
    const ui::Box b = ui::onScreen({o.Levy, o.Horni, o.Sirka, o.Vyska}, kMinimumSize);
    MoveWindow(hwnd(), b.left, b.top, b.width, b.height, FALSE);
    showCommand_ = showCommand;
    FormShow(arguments);
}

void Thlavni1::reveal() {
    if (IsWindowVisible(hwnd())) return;
    ShowWindow(hwnd(), showCommand_);
    UpdateWindow(hwnd());
}

void Thlavni1::ApplyLanguage(const std::string& path) {
    auto texts = language::readMainTexts(path);
    if (!texts) throw ui::AppError("Nepodařilo se zpracovat jazykovou knihovnu");
    ApplyLanguage(path, std::move(*texts));
}

void Thlavni1::ApplyLanguage(const std::string& path, language::MainTexts given) {
    auto* texts = &given;
    LanguageLibraryFile = path;
    menu_.setCaptions(texts->menu, texts->extra);
    DrawMenuBar(hwnd());
    LanguageStrings = std::move(texts->strings);
    LanguageHints = std::move(texts->hints);
    setHints(LanguageHints);
    SaveDialog1.filter = texts->filter;
    ExtraTexts = std::move(texts->extra);
    // the type only chooses which files the dialog lists: the content decides how one is read
    OpenDialog1.filter = texts->filter + "|" + ExtraTexts[language::xAllFilesFilter];
    language::useFileErrorTexts(ExtraTexts);
}

// --- commands

bool Thlavni1::runCommand(UINT id) {
    if (!commands_.run(id)) return false;
    if (hwnd()) updateActions(); // unless the command ended the program
    return true;
}

void Thlavni1::updateActions() {
    const bool open = AnyDocumentOpen();
    commands_.update(open);
    enableFontBoxes(open);
    if (documentMenus_ == open) return;
    documentMenus_ = open;
    menu_.enableDocumentMenus(open);
    if (!open) { // no caret, no format
        StatusBar1.setText(2, "");
        StatusBar1.setText(3, "");
    }
    // a window not yet shown draws its menu bar when it shows (at start the first document
    // comes before that: two redraws of a hidden bar saved, about 2 ms each under Wine)
    if (IsWindowVisible(hwnd())) DrawMenuBar(hwnd());
}

std::string Thlavni1::contextCaption(document::ContextItem item) const {
    return menu_.item(contextCommand(item).menu).caption();
}

void Thlavni1::runContextCommand(document::ContextItem item) { runCommand(contextCommand(item).id); }

std::optional<document::SaveChoice> Thlavni1::runSaveDialog(document::Teditor1& doc) {
    return app::runSaveDialog(hwnd(), SaveDialog1, doc, LanguageStrings, ExtraTexts);
}

void Thlavni1::warnNoSlot(const std::string& text) {
    ui::prompts().messageBox(hwnd(), text, LanguageStrings[4], MB_ICONWARNING);
}

// --- the end

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
        settings::storeRecent(recent_, paths_.dataFolder, paths_.program);
    } catch (const std::exception& e) {
        ui::reportError(e.what()); // the documents are still asked; the settings are not worth a refusal
    }
    CloseAllDocuments();
    if (!MayCloseFlag) return;
    ClearDataFolder();
    closing_ = true;
    DestroyWindow(hwnd());
}

// --- window plumbing

void Thlavni1::layout() {
    if (!client_) return;
    RECT r;
    GetClientRect(hwnd(), &r);
    const RECT room = clientRoom({r.right, r.bottom});
    MoveWindow(client_, room.left, room.top, room.right - room.left, room.bottom - room.top, TRUE);
}

namespace {

// Ctrl with one of the keys that edit text: a plain edit field (the font boxes') keeps these.
bool editingKey(const MSG& msg, HWND target) {
    if (msg.message != WM_KEYDOWN || !(GetKeyState(VK_CONTROL) & 0x8000)) return false;
    char cls[16] = {};
    GetClassNameA(target, cls, sizeof cls);
    if (lstrcmpiA(cls, "Edit") != 0) return false;
    const WPARAM keys[] = {'X', 'C', 'V', 'Z', 'Y', 'A'};
    return std::find(std::begin(keys), std::end(keys), msg.wParam) != std::end(keys);
}

} // namespace

bool Thlavni1::translateKey(MSG& msg) {
    if (HWND find = search.dialog(); find && IsDialogMessageA(find, &msg)) return true;
    // the converter's window and the help have keys of their own
    if (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd)) return false;
    if (editingKey(msg, msg.hwnd)) return false;
    return TranslateAcceleratorA(hwnd(), accelerators(), &msg) || TranslateMDISysAccel(client_, &msg);
}

bool Thlavni1::onNotify(NMHDR* hdr) {
    if (hdr->hwndFrom == CoolBar1.hwnd() && hdr->code == RBN_HEIGHTCHANGE) {
        layout();
        return true;
    }
    return ToolBar1.onNotify(hdr) || ToolBar2.onNotify(hdr);
}

bool Thlavni1::onCommand(WPARAM wp) {
    if (HIWORD(wp) == CBN_SELCHANGE && onComboChoice(LOWORD(wp))) return true;
    // the lists are there before the user can look at them or step through them
    if ((HIWORD(wp) == CBN_SETFOCUS || HIWORD(wp) == CBN_DROPDOWN) &&
        (LOWORD(wp) == IDC_PISMO || LOWORD(wp) == IDC_VELIKOST)) {
        fillFontBoxes();
        return true;
    }
    return HIWORD(wp) <= 1 && runCommand(LOWORD(wp)); // menu, accelerator, tool button
}

LRESULT Thlavni1::defaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefFrameProcA(hwnd(), client_, msg, wp, lp);
}

LRESULT Thlavni1::handle(UINT msg, WPARAM wp, LPARAM lp) {
    if (search.onMessage(*this, msg, lp)) return 0;
    switch (msg) {
    case WM_SIZE: layout(); return 0;
    case WM_COMMAND:
        if (onCommand(wp)) return 0;
        break;
    case WM_INITMENU: // also sent before an accelerator runs a menu item: its state must be current
    case WM_INITMENUPOPUP: updateActions(); break;
    case WM_NOTIFY:
        if (onNotify(reinterpret_cast<NMHDR*>(lp))) return 0;
        break;
    case WM_DROPFILES: onDropFiles(reinterpret_cast<HDROP>(wp)); return 0;
    case WM_TIMER:
        if (wp == kSplashTimerId) {
            onSplashTimer();
            return 0;
        }
        if (wp == kHandOverTimerId) {
            openHandedOver();
            return 0;
        }
        break;
    case WM_COPYDATA: return takeHandOver(*reinterpret_cast<const COPYDATASTRUCT*>(lp)) ? TRUE : FALSE;
    case kHandOverMessage:
        comeToFront();
        openHandedOver();
        return 0;
    case WM_CLOSE: FormClose(); return 0;
    case WM_DESTROY:
        if (closing_ && onTerminate) onTerminate();
        break;
    }
    return defaultProc(msg, wp, lp);
}

} // namespace app
