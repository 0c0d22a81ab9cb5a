// app/bars.cpp — the main window's bars and the formatting state they show
#include "app/bars.h"

#include "app/menus.h"
#include "app/resource.h"
#include "app/toolimages.h"

#include <algorithm>
#include <set>

namespace app {
namespace {

constexpr const char* kFontSizes[] = {"8", "9", "10", "11", "12", "14", "16", "18",
                                      "20", "22", "24", "26", "28", "36", "48", "72"};
constexpr int kFontBoxWidth = 145, kSizeBoxWidth = 48, kBoxListHeight = 300;

} // namespace

MainBars::~MainBars() {
    if (images_) ImageList_Destroy(images_);
    if (font_) DeleteObject(font_);
}

void MainBars::createBars(HWND frame) {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    ncm.lfMessageFont.lfCharSet = EASTEUROPE_CHARSET;
    font_ = CreateFontIndirectA(&ncm.lfMessageFont);

    CoolBar1.create(frame, IDC_COOLBAR);
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
    // made where they stay, and disabled until the first document comes, as the main window
    // starts without one
    const POINT fontPlace = ToolBar2.makeRoom(0, kFontBoxWidth);
    const POINT sizePlace = ToolBar2.makeRoom(2, kSizeBoxWidth);
    cbPismo.create(ToolBar2.hwnd(), IDC_PISMO, fontPlace.x, fontPlace.y, kFontBoxWidth, kBoxListHeight, true, font_,
                   false);
    cbVelikostPisma.create(ToolBar2.hwnd(), IDC_VELIKOST, sizePlace.x, sizePlace.y, kSizeBoxWidth, kBoxListHeight,
                           false, font_, false);
    ToolBar2.adoptControl(cbPismo.hwnd());
    ToolBar2.adoptControl(cbVelikostPisma.hwnd());
    cbPismo.setText("Times New Roman");
    cbVelikostPisma.setText("12");
    CoolBar1.addBand(ToolBar1.hwnd(), 29, ToolBar1.idealSize().cx);
    CoolBar1.addBand(ToolBar2.hwnd(), 30, ToolBar2.idealSize().cx);

    StatusBar1.create(frame, IDC_STATUSBAR, {150, 150, 100, 100, 50});
}

void MainBars::fillFontBoxes() {
    if (fontBoxesFilled_) return;
    fontBoxesFilled_ = true;
    std::set<std::string> names;
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExA(
        dc, &lf,
        [](const LOGFONTA* f, const TEXTMETRICA*, DWORD type, LPARAM lp) -> int {
            if (f->lfFaceName[0] != '@' && (type & (TRUETYPE_FONTTYPE | DEVICE_FONTTYPE | RASTER_FONTTYPE)))
                reinterpret_cast<std::set<std::string>*>(lp)->insert(f->lfFaceName);
            return 1;
        },
        reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(nullptr, dc);
    for (const auto& n : names) cbPismo.add(n);
    for (const char* size : kFontSizes) cbVelikostPisma.add(size);
}

void MainBars::setHints(const std::vector<std::string>& hints) {
    const UINT hintTargets[] = {IDM_NOVY,  IDM_OTEVRIT, IDM_ULOZIT,    IDT_TISK,  IDM_VYJMOUT, IDM_KOPIROVAT,
                                IDM_VLOZIT, IDT_POZADI, IDC_PISMO,     IDC_VELIKOST, IDT_TUCNE, IDT_KURZIVA,
                                IDT_PODTRZENO, IDT_VLEVO, IDT_STRED, IDT_VPRAVO};
    for (size_t k = 0; k < std::size(hintTargets) && k < hints.size(); ++k) {
        ui::ToolBar& bar = k < 8 ? ToolBar1 : ToolBar2;
        // the tip names the key that does the same, as the menus show theirs
        const std::string key = shortcutText(shortcutOf(hintTargets[k]));
        bar.setHint(hintTargets[k], key.empty() ? hints[k] : hints[k] + " (" + key + ")");
    }
}

void MainBars::enableFontBoxes(bool on) {
    cbPismo.setEnabled(on);
    cbVelikostPisma.setEnabled(on);
}

void MainBars::ShowFormatState(bool bold, bool italic, bool underline, const std::string& alignment,
                               const std::string& fontName, const std::string& fontSize) {
    const std::pair<UINT, bool> down[] = {{IDT_TUCNE, bold}, {IDT_KURZIVA, italic}, {IDT_PODTRZENO, underline}};
    for (const auto& [id, on] : down) ToolBar2.setDown(id, on);
    // one of the three words puts its button down and the others up; any other word leaves
    // the group as it is
    const std::pair<UINT, const char*> group[] = {{IDT_VLEVO, "doleva"}, {IDT_STRED, "nastred"}, {IDT_VPRAVO, "doprava"}};
    if (std::any_of(std::begin(group), std::end(group), [&](const auto& g) { return alignment == g.second; }))
        for (const auto& [id, word] : group) ToolBar2.setDown(id, alignment == word);
    cbPismo.setText(fontName);
    cbVelikostPisma.setText(fontSize);
}

RECT MainBars::clientRoom(SIZE size) {
    SendMessageA(CoolBar1.hwnd(), WM_SIZE, 0, 0);
    SendMessageA(StatusBar1.hwnd(), WM_SIZE, 0, 0);
    const int top = CoolBar1.height();
    const int bottom = StatusBar1.height();
    return RECT{0, top, size.cx, top + std::max<LONG>(0, size.cy - top - bottom)};
}

} // namespace app
