// ui/window.cpp — the one window base
#include "ui/window.h"

#include "ui/errors.h"

#include <utility>

namespace ui {

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        HWND h = hwnd_;
        hwnd_ = nullptr;
        DestroyWindow(h);
    }
}

std::string Window::caption() const { return windowText(hwnd_); }

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
                         GetModuleHandleA(nullptr), this)) {
        rethrowCreateFailure();
        throwLastError();
    }
}

void Window::rethrowCreateFailure() {
    if (createFailure_) std::rethrow_exception(std::exchange(createFailure_, nullptr));
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
    if (!SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs))) {
        rethrowCreateFailure();
        if (!hwnd_) throwLastError();
    }
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
    LRESULT r = 0;
    if (msg == WM_CREATE) {
        // A window that cannot finish its creation is not left half built: -1 makes the system
        // destroy it, and create() throws what went wrong to whoever asked for the window.
        try {
            r = self->handle(msg, wp, lp);
        } catch (...) {
            self->createFailure_ = std::current_exception();
            r = -1;
        }
    } else {
        r = guarded([&] { return self->handle(msg, wp, lp); }, LRESULT{0});
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(h, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->onDestroyed();
    }
    return r;
}

HWND createChild(HWND parent, const ChildSpec& c) {
    const HWND h = CreateWindowExA(c.exStyle, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style,
                                   c.box.left, c.box.top, c.box.right, c.box.bottom, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                   GetModuleHandleA(nullptr), c.createParam);
    if (!h) throwLastError();
    return h;
}

std::string windowText(HWND h) {
    const int n = GetWindowTextLengthA(h);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    s.resize(static_cast<size_t>(GetWindowTextA(h, s.data(), n + 1)));
    return s;
}

void pumpPending() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

bool pumpWhileBusy() {
    bool escape = false;
    MSG m;
    // every PeekMessage also delivers the messages sent from elsewhere
    while (PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
        if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) escape = true;
    while (PeekMessageA(&m, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
    while (PeekMessageA(&m, nullptr, WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK, PM_REMOVE)) {
    }
    // a window that does not validate itself must not hold the operation up
    for (int i = 0; i < 64 && PeekMessageA(&m, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i) DispatchMessageA(&m);
    return escape;
}

} // namespace ui
