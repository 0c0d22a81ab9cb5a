// settings/nastaveni.cpp — the settings dialog
#include "settings/nastaveni.h"

#include "lang/library.h"
#include "settings/nastaveni_ids.h"
#include "ui/errors.h"
#include "ui/prompts.h"
#include "ui/text.h"

namespace settings {
namespace {

constexpr char kClassName[] = "NotavoNastaveni";
constexpr char kUnusableText[] = "Nepodařilo se zpracovat jazykovou knihovnu";
constexpr char kUnusableCaption[] = "Chyba";
constexpr std::size_t kTextCount = 7; // entries of "dejNastaveni"

} // namespace

Tnastaveni1::Tnastaveni1(TNastaveni& settings, NastaveniHost host)
    : settings_(settings), host_(std::move(host)) {}

Tnastaveni1::~Tnastaveni1() {
    if (hwnd()) DestroyWindow(hwnd());
}

void Tnastaveni1::create() {
    registerClass(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE), nullptr);
    // the caption's "?" asks for help on a control; it needs the system menu and no
    // minimise or maximise box
    ui::Window::create(WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP, kClassName, host_.caption,
                       WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, kWidth, kHeight,
                       host_.owner, nullptr);
    createControls();
    localise(host_.languageFile);
    const Volby v = volbyFrom(settings_);
    CheckBox1.setChecked(v.typ);
    CheckBox2.setChecked(v.pozadi);
    CheckBox3.setChecked(v.okna);
    CheckBox4.setChecked(v.zobrazeni);
    CheckBox5.setChecked(v.ulozeni);
    SpinEdit1.setValue(v.minuty);
    fillLanguages();
}

void Tnastaveni1::createControls() {
    const ui::FontSpec tahoma{.face = "Tahoma", .height = ui::pointsToHeight(8), .charset = EASTEUROPE_CHARSET};
    font_ = ui::createFont(tahoma);
    const auto font = static_cast<HFONT>(font_.get());
    const HWND h = hwnd();
    // in the order Tab visits them
    CheckBox1.create(h, IDC_NASTAVENI_CHECKBOX1, 16, 16, 233, 17, font);
    CheckBox2.create(h, IDC_NASTAVENI_CHECKBOX2, 16, 48, 217, 17, font);
    CheckBox3.create(h, IDC_NASTAVENI_CHECKBOX3, 16, 80, 217, 17, font);
    CheckBox4.create(h, IDC_NASTAVENI_CHECKBOX4, 16, 112, 225, 17, font);
    Label1.create(h, 32, 152, 107, 13, tahoma, SS_LEFT, IDC_NASTAVENI_LABEL1);
    ComboBox1.create(h, IDC_NASTAVENI_COMBOBOX1, 208, 152, 145, 160, false, font);
    CheckBox5.create(h, IDC_NASTAVENI_CHECKBOX5, 16, 184, 193, 17, font);
    SpinEdit1.create(h, IDC_NASTAVENI_SPINEDIT1, IDC_NASTAVENI_UPDOWN1, 208, 184, 49, 22, font, kMinMinutes,
                     kMaxMinutes);
    Button2.create(h, IDOK, 192, 216, 75, 25, font);
    Button1.create(h, IDCANCEL, 280, 216, 75, 25, font, false);
    CheckBox1.setText("Pamatovat si typ, barvu a velikost písma");
    CheckBox2.setText("=");
    CheckBox3.setText("Pamatovat si velikosti oken");
    CheckBox4.setText("Pamatovat si zobrazení");
    Label1.setText("Použít jazykovou verzi");
    CheckBox5.setText("Automatické uložení dokumentu po");
    Button1.setText("Zrušit");
    Button2.setText("Ok");
}

void Tnastaveni1::localise(const std::string& path) {
    const auto texts = language::Library(path).list("dejNastaveni", kTextCount);
    if (!texts) return;
    const auto& t = *texts;
    CheckBox1.setText(t[0]);
    CheckBox2.setText(t[1]);
    CheckBox3.setText(t[2]);
    CheckBox4.setText(t[3]);
    Label1.setText(t[4]);
    CheckBox5.setText(t[5]);
    Button1.setText(t[6]);
}

void Tnastaveni1::fillLanguages() {
    // the program's own folder, each library by its full path, as at start-up: a library in the
    // current folder is never loaded
    bool unusable = false;
    std::string damaged; // the libraries whose code did harm, by path, one a line
    for (auto& c : language::findCandidates(host_.languageFolder)) {
        if (!c.name) { // no display name or too few texts: left out, and said once
            unusable = true;
            if (c.damaged) damaged += (damaged.empty() ? "" : "\n") + c.file;
            continue;
        }
        ComboBox1.add(*c.name);
        // the library in use is the chosen item, so the arrow keys go on from it
        if (c.file == host_.languageFile) ComboBox1.select(static_cast<int>(names_.size()));
        names_.push_back(std::move(*c.name));
        files_.push_back(std::move(c.file));
    }
    if (unusable)
        ui::prompts().messageBox(ui::appWindow(), damaged.empty() ? std::string(kUnusableText) : ui::aboutFile(damaged, kUnusableText),
                                 kUnusableCaption, MB_OK | MB_ICONERROR);
}

Volby Tnastaveni1::volby() const {
    return {CheckBox1.checked(), CheckBox2.checked(), CheckBox3.checked(), CheckBox4.checked(),
            CheckBox5.checked(), minutesFromText(SpinEdit1.text()), ComboBox1.text()};
}

bool Tnastaveni1::ShowModal() {
    focus_.start(CheckBox1.hwnd());
    ui::runModal(hwnd(), host_.owner, closed_, true);
    return ok_;
}

void Tnastaveni1::ComboBox1Change() {
    // text typed into the field chooses no item and so applies nothing
    const int i = ComboBox1.selectedIndex();
    if (i >= 0 && static_cast<std::size_t>(i) < files_.size()) localise(files_[static_cast<std::size_t>(i)]);
}

void Tnastaveni1::Button1Click() { Close(false); }

void Tnastaveni1::Button2Click() {
    const Volby v = volby();
    TNastaveni next = settings_;
    applyVolby(next, v, host_.barsShown ? host_.barsShown() : BarsShown{});
    // every library of that name, in the list's order: the last one found is the one in use.
    // A switch that fails leaves the settings and the dialog as they were.
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (names_[i] == v.jazyk && host_.applyLanguage) host_.applyLanguage(files_[i]);
    settings_ = std::move(next);
    Close(true);
}

void Tnastaveni1::Close(bool ok) {
    ok_ = ok;
    closed_ = true;
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

bool Tnastaveni1::onCommand(UINT id, UINT code) {
    switch (id) {
    case IDOK: Button2Click(); return true;
    case IDCANCEL: Button1Click(); return true;
    case IDC_NASTAVENI_COMBOBOX1:
        if (code == CBN_SELCHANGE) ComboBox1Change();
        return code == CBN_SELCHANGE;
    case IDC_NASTAVENI_SPINEDIT1:
        // the field shows what Ok will take: a number within the range
        if (code == EN_KILLFOCUS) SpinEdit1.setValue(minutesFromText(SpinEdit1.text()));
        return code == EN_KILLFOCUS;
    }
    return false;
}

bool Tnastaveni1::onHelp(const HELPINFO& info) {
    if (!host_.onHelp || info.iContextType != HELPINFO_WINDOW) return false;
    host_.onHelp(info.iCtrlId, info.MousePos);
    return true;
}

LRESULT Tnastaveni1::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (onCommand(LOWORD(wp), HIWORD(wp))) return 0;
        break;
    case WM_HELP:
        if (onHelp(*reinterpret_cast<const HELPINFO*>(lp))) return TRUE;
        break;
    case WM_ACTIVATE: focus_.onActivate(hwnd(), LOWORD(wp) != WA_INACTIVE, CheckBox1.hwnd()); return 0;
    case WM_CLOSE: Button1Click(); return 0;
    }
    return defaultProc(msg, wp, lp);
}

} // namespace settings
