// app/splasch.cpp — the start-up window; creating it chooses the language library
#include "app/splasch.h"

#include "app/hlavni.h"
#include "app/jpeg.h"
#include "app/maker.h"
#include "app/resource.h"
#include "lang/choice.h"
#include "lang/library.h"
#include "ui/errors.h"
#include "ui/modal.h"
#include "ui/prompts.h"
#include "ui/text.h"

#include <algorithm>

namespace app {
namespace {
constexpr char kClassName[] = "NotavoSplasch";
constexpr char kNoLanguageText[] =
    "Nepodařilo se načíst jazykovou verzi. Problém vyřešíte opětovnou instalací";
constexpr char kNoLanguageCaption[] = "Jazyková verze";
constexpr int kWidth = 503, kHeight = 203;
constexpr COLORREF kWhite = RGB(255, 255, 255);
} // namespace

TSplasch1::TSplasch1(Thlavni1& owner) : owner_(owner) {}

TSplasch1::~TSplasch1() {
    // the controls go before the bitmap and fonts they use
    if (hwnd()) DestroyWindow(hwnd());
}

bool TSplasch1::create() {
    registerClass(kClassName, 0, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), nullptr);
    // no caption to show, and no title: automation that looks for the main window by its
    // title "Notavo" does not take this window for it
    ui::Window::create(0, kClassName, "", WS_POPUP | WS_CLIPCHILDREN, 250, 230, kWidth, kHeight,
                       owner_.hwnd(), nullptr);
    LanguageFound = false;
    version_ = TVerzeSouboru::read(owner_.paths().program);
    if (!chooseLanguage()) return false;

    Image1.create(hwnd(), 0, 0, pictureResource(IDR_SPLASH));
    const ui::FontSpec linkFont{.face = "Tahoma", .height = ui::pointsToHeight(8)};
    HyperLink1.create(hwnd(), 8, 176, kMakerWeb, linkFont, kWhite);
    HyperLink1.Destination = kMakerWebTarget;
    HyperLink2.create(hwnd(), 136, 176, kMakerMail, linkFont, kWhite);
    HyperLink2.Destination = kMakerMailTarget;
    // the version line ends at the right edge; its box starts at 232 unless the mail address
    // reaches further, so the two never overlap
    RECT mail;
    GetWindowRect(HyperLink2.hwnd(), &mail);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&mail), 2);
    const int left = std::max<int>(232, mail.right + 6);
    Label1.create(hwnd(), left, 176, kWidth - 8 - left, 24,
                  {.face = "Times New Roman", .height = -19, .charset = EASTEUROPE_CHARSET},
                  SS_RIGHT);
    Label1.setColors(RGB(0, 0, 0), kWhite);

    // the version line: the library's lead-in straight before the product version text
    Label1.setText(leadIn_ + version_.ProductVersion);
    return true;
}

bool TSplasch1::chooseLanguage() {
    // a library without a name, a short list or no splash text is passed over
    // (the libraries after the wanted one are not looked at: each costs a load and a guarded
    // call, 5 ms under Wine)
    std::vector<std::optional<language::MainTexts>> texts;
    const std::string& wanted = owner_.nastaveni().Jazyk;
    const auto found = language::findCandidates(ui::folderOf(owner_.paths().program), &texts, &wanted);
    const auto chosen = language::chooseLanguage(found, wanted);
    std::string damaged; // one line per library passed over for the harm its code does
    for (const auto& c : found)
        if (c.damaged) damaged += (damaged.empty() ? "" : "\n") + c.file;
    if (!chosen) {
        if (!damaged.empty())
            ui::prompts().messageBox(owner_.hwnd(), ui::aboutFile(damaged, language::czechExtraTexts()[language::xLanguageDamaged]),
                                     kNoLanguageCaption, MB_OK | MB_ICONWARNING);
        ui::prompts().messageBox(owner_.hwnd(), kNoLanguageText, kNoLanguageCaption,
                                 MB_OK | MB_ICONERROR);
        return false;
    }
    LanguageFound = found[*chosen].name == wanted;
    leadIn_ = texts[*chosen]->splash;
    owner_.ApplyLanguage(found[*chosen].file, std::move(*texts[*chosen])); // read once, not again
    if (!damaged.empty()) // in the language just chosen
        ui::prompts().messageBox(owner_.hwnd(), ui::aboutFile(damaged, owner_.ExtraTexts[language::xLanguageDamaged]),
                                 ui::appTitle(), MB_OK | MB_ICONWARNING);
    return true;
}

void TSplasch1::ShowModal() {
    if (!closed_) ui::runModal(hwnd(), owner_.hwnd(), closed_, false);
}

void TSplasch1::Close() {
    closed_ = true;
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

LRESULT TSplasch1::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CTLCOLORSTATIC:
        if (HBRUSH b = Label1.colorize(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp)))
            return reinterpret_cast<LRESULT>(b);
        break;
    case WM_CLOSE: Close(); return 0;
    }
    return defaultProc(msg, wp, lp);
}

} // namespace app
