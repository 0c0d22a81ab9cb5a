// app/o_programu.cpp — the about window
#include "app/o_programu.h"

#include "app/hlavni.h"
#include "app/jpeg.h"
#include "app/maker.h"
#include "app/resource.h"
#include "lang/library.h"
#include "ui/modal.h"

namespace app {
namespace {
constexpr char kClassName[] = "NotavoAbout";
constexpr char kDesignButton[] = "Zavřít";
constexpr COLORREF kProductBlue = RGB(0x1D, 0x5F, 0xBF); // the blue of the icon and the pictures
} // namespace

std::string withoutAccelerators(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size() && caption[i] != '\t'; ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') out += caption[++i];
            continue;
        }
        out += caption[i];
    }
    return out;
}

TAbout1::TAbout1(Thlavni1& owner) : owner_(owner) {}

TAbout1::~TAbout1() {
    if (hwnd()) DestroyWindow(hwnd());
}

void TAbout1::create() {
    registerClass(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE), nullptr);
    // a caption, but no system menu and so no close box: the button closes the window
    ui::Window::create(
        WS_EX_DLGMODALFRAME, kClassName, withoutAccelerators(owner_.menu(mmOProgramu1).caption()),
        WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN, 0, 0, kWidth, kHeight, owner_.hwnd(), nullptr);

    std::string buttonCaption = kDesignButton;
    if (const auto texts = language::Library(owner_.LanguageLibraryFile).list("dejOProgramu", 2)) {
        VersionPrefix = (*texts)[0];
        buttonCaption = (*texts)[1];
    }
    const TFileInfo version = TVerzeSouboru::read(owner_.paths().program);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);

    Image1.create(hwnd(), 16, 16, pictureResource(IDR_ABOUT));
    Label1.create(hwnd(), 144, 16, kWidth - 144 - 8, 112,
                  {.face = "Lucida Sans Unicode", .height = 96, .bold = true});
    Label1.setText("Notavo");
    Label2.create(
        hwnd(), 16, 168, kWidth - 32, 28,
        {.face = "Times New Roman", .height = -21, .bold = true, .charset = EASTEUROPE_CHARSET});
    Label2.setText(VersionPrefix + " " + version.ProductVersion);
    const ui::FontSpec linkFont{.face = "Tahoma", .height = ui::pointsToHeight(10)};
    HyperLink1.create(hwnd(), 16, 208, kMakerWeb, linkFont, face);
    HyperLink1.Destination = kMakerWebTarget;
    HyperLink2.create(hwnd(), 16, 232, kMakerMail, linkFont, face);
    HyperLink2.Destination = kMakerMailTarget;
    const ui::FontSpec small{
        .face = "Tahoma", .height = ui::pointsToHeight(8), .charset = EASTEUROPE_CHARSET};
    Label3.create(hwnd(), 8, 304, kWidth - 24, 16, small);
    Label3.setText(version.LegalCopyright);
    Label1.setColors(kProductBlue, std::nullopt);
    for (ui::Label* l : {&Label2, &Label3})
        l->setColors(GetSysColor(COLOR_WINDOWTEXT), std::nullopt);
    buttonFont_ = ui::createFont(small);
    Button1.create(hwnd(), IDOK, 200, 272, 75, 25, static_cast<HFONT>(buttonFont_.get()));
    Button1.setText(buttonCaption);
}

void TAbout1::placeOverOwner() {
    RECT o, r;
    GetWindowRect(owner_.hwnd(), &o);
    GetWindowRect(hwnd(), &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(hwnd(), nullptr, centredOrigin(o.left, o.right - o.left, w),
                 centredOrigin(o.top, o.bottom - o.top, h), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TAbout1::ShowModal() {
    placeOverOwner();
    focus_.start(Button1.hwnd());
    ui::runModal(hwnd(), owner_.hwnd(), closed_, true);
}

void TAbout1::Close() {
    closed_ = true;
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

LRESULT TAbout1::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CTLCOLORSTATIC:
        for (const ui::Label* l : {&Label1, &Label2, &Label3})
            if (HBRUSH b = l->colorize(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp)))
                return reinterpret_cast<LRESULT>(b);
        break;
    case WM_COMMAND:
        // the button, Enter and Escape all close
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            Close();
            return 0;
        }
        break;
    case WM_ACTIVATE: focus_.onActivate(hwnd(), LOWORD(wp) != WA_INACTIVE, Button1.hwnd()); return 0;
    case WM_CLOSE: Close(); return 0;
    }
    return defaultProc(msg, wp, lp);
}

} // namespace app
