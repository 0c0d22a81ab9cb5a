// app/HyperLink.cpp — a text that opens its target (web or mail address) through the shell
#include "app/HyperLink.h"

#include <objbase.h>
#include <shellapi.h>

#include <thread>

#include "ui/gdi.h"

namespace app {
namespace {
constexpr char kClassName[] = "NotavoHyperLink";

std::string currentFolder() {
    const DWORD n = GetCurrentDirectoryA(0, nullptr);
    std::string s(n, '\0');
    s.resize(GetCurrentDirectoryA(n, s.data()));
    return s;
}
} // namespace

void shellOpen(HWND owner, const std::string& target, const std::string& folder) {
    // Win32: ShellExecute may take its time (DDE, a slow handler) and shows its own message box
    // when nothing can open the target; neither may hold up the window, so it runs here.
    std::thread([owner, target, folder] {
        const HRESULT com =
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        SHELLEXECUTEINFOA sei{};
        sei.cbSize = sizeof sei;
        sei.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        sei.hwnd = owner;
        sei.lpVerb = "open";
        sei.lpFile = target.c_str();
        sei.lpDirectory = folder.c_str();
        sei.nShow = SW_SHOWNORMAL;
        ShellExecuteExA(
            &sei); // the result is not looked at: a link that opens nothing says nothing
        if (SUCCEEDED(com)) CoUninitialize();
    }).detach();
}

THyperLink::Opener& THyperLink::opener() {
    static Opener open = shellOpen;
    return open;
}

void THyperLink::create(HWND parent, int x, int y, const std::string& text, ui::FontSpec font,
                        COLORREF background) {
    registerClass(kClassName, 0, nullptr, nullptr);
    spec_ = std::move(font);
    spec_.bold = true; // whatever the design said: bold only
    spec_.italic = false;
    spec_.underline = false;
    font_ = ui::createFont(spec_);
    backgroundColor_ = background;
    background_.reset(CreateSolidBrush(background));

    SIZE extent{};
    {
        const ui::WindowDC screen;
        const ui::Selection font(screen.get(), font_.get());
        GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    ui::Window::create(0, kClassName, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, extent.cx + 2,
                       extent.cy + 2, parent, nullptr);
}

void THyperLink::click() {
    if (OnClick) OnClick(*this);
    if (!Destination.empty()) opener()(hwnd(), Destination, currentFolder());
}

void THyperLink::setUnderline(bool on) {
    spec_.underline = on;
    font_ = ui::createFont(spec_);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void THyperLink::onMouseMove() {
    if (hovering_) return;
    hovering_ = true;
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&tme);
    SetCursor(LoadCursorA(nullptr, IDC_HAND));
    setUnderline(true);
    if (OnMouseEnter) OnMouseEnter(*this);
}

void THyperLink::onMouseLeave() {
    if (!hovering_) return;
    hovering_ = false;
    setUnderline(false);
    if (OnMouseLeave) OnMouseLeave(*this);
}

void THyperLink::onPaint() {
    const ui::PaintDC paint(hwnd());
    const HDC dc = paint.get();
    RECT r;
    GetClientRect(hwnd(), &r);
    FillRect(dc, &r, static_cast<HBRUSH>(background_.get()));
    {
        const ui::Selection font(dc, font_.get());
        SetTextColor(dc, kBlue);
        SetBkMode(dc, TRANSPARENT);
        const std::string text = caption();
        TextOutA(dc, 1, 1, text.c_str(), static_cast<int>(text.size()));
    }
    if (GetFocus() == hwnd()) DrawFocusRect(dc, &r);
}

LRESULT THyperLink::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: onPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETCURSOR: SetCursor(LoadCursorA(nullptr, IDC_HAND)); return TRUE;
    case WM_MOUSEMOVE: onMouseMove(); return 0;
    case WM_MOUSELEAVE: onMouseLeave(); return 0;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(hwnd());
        return 0;
    case WM_LBUTTONUP: {
        if (!pressed_) return 0;
        pressed_ = false;
        ReleaseCapture();
        RECT r;
        GetClientRect(hwnd(), &r);
        const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (PtInRect(&r, p)) click();
        return 0;
    }
    case WM_CAPTURECHANGED: pressed_ = false; return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(hwnd(), nullptr, TRUE); return 0;
    case WM_GETDLGCODE: {
        const auto* m = reinterpret_cast<const MSG*>(lp);
        const bool enter = m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN;
        return DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
        if (wp == VK_RETURN) click();
        return 0;
    case WM_CHAR:
        if (wp == ' ') click();
        return 0;
    }
    return defaultProc(msg, wp, lp);
}

} // namespace app
