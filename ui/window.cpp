// ui/window.cpp — the one window base
#include "ui/window.h"

#include "ui/errors.h"

namespace ui {

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        HWND h = hwnd_;
        hwnd_ = nullptr;
        DestroyWindow(h);
    }
}

std::string Window::caption() const {
    const int n = GetWindowTextLengthA(hwnd_);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    s.resize(static_cast<size_t>(GetWindowTextA(hwnd_, s.data(), n + 1)));
    return s;
}

void Window::setCaption(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

Window* Window::fromHandle(HWND h) {
    return h ? reinterpret_cast<Window*>(GetWindowLongPtrA(h, GWLP_USERDATA)) : nullptr;
}

void Window::registerClass(const char* className, UINT style, HBRUSH background, HICON icon) {
    const HINSTANCE inst = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    if (GetClassInfoExA(inst, className, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = thunk;
    wc.hInstance = inst;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    if (!RegisterClassExA(&wc)) throwLastError();
}

void Window::create(DWORD exStyle, const char* className, const std::string& title, DWORD style,
                    int x, int y, int w, int h, HWND parent, HMENU menu) {
    if (!CreateWindowExA(exStyle, className, title.c_str(), style, x, y, w, h, parent, menu,
                         GetModuleHandleA(nullptr), this))
        throwLastError();
}

void Window::createMdiChild(HWND client, const char* className, const std::string& title,
                            DWORD style, int x, int y, int w, int h) {
    MDICREATESTRUCTA mcs{};
    mcs.szClass = className;
    mcs.szTitle = title.c_str();
    mcs.hOwner = GetModuleHandleA(nullptr);
    mcs.x = x;
    mcs.y = y;
    mcs.cx = w;
    mcs.cy = h;
    mcs.style = style;
    mcs.lParam = reinterpret_cast<LPARAM>(this);
    if (!SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)) && !hwnd_)
        throwLastError();
}

LRESULT Window::handle(UINT msg, WPARAM wp, LPARAM lp) { return defaultProc(msg, wp, lp); }

LRESULT Window::defaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::thunk(HWND h, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        void* p = cs->lpCreateParams;
        if (cs->dwExStyle & WS_EX_MDICHILD) // MDI child: `this` rides in MDICREATESTRUCT
            p = reinterpret_cast<void*>(static_cast<MDICREATESTRUCTA*>(p)->lParam);
        self = static_cast<Window*>(p);
        self->hwnd_ = h;
        SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcA(h, msg, wp, lp);
    const LRESULT r = guarded([&] { return self->handle(msg, wp, lp); }, LRESULT{0});
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(h, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->onDestroyed();
    }
    return r;
}

void pumpPending() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

} // namespace ui
