// ui/window.h — the one window base: owns the HWND and forwards messages to handle()
#pragma once
#include <windows.h>

#include <exception>
#include <string>

namespace ui {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

    std::string caption() const;
    void setCaption(const std::string& text);

    // The object behind a window created by this base, or nullptr.
    static Window* fromHandle(HWND h);

protected:
    // Registers `className` once with this base's thunk.
    static void registerClass(const char* className, UINT style, HBRUSH background, HICON icon);
    // CreateWindowExA with `this` as the create parameter; throws AppError on failure.
    void create(DWORD exStyle, const char* className, const std::string& title, DWORD style,
                int x, int y, int w, int h, HWND parent, HMENU menu);
    // An MDI child of `client`; `this` rides in MDICREATESTRUCT's lParam.
    void createMdiChild(HWND client, const char* className, const std::string& title, DWORD style,
                        int x, int y, int w, int h);

    virtual LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    virtual LRESULT defaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // Called after WM_NCDESTROY, when the HWND is gone.
    virtual void onDestroyed() {}

private:
    void rethrowCreateFailure();
    static LRESULT CALLBACK thunk(HWND h, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    HWND hwnd_ = nullptr;
    std::exception_ptr createFailure_; // what made WM_CREATE fail, rethrown by create()
};

// A child control: the one place that creates them. Throws AppError when the system refuses.
struct ChildSpec {
    const char* className;
    DWORD style = 0;        // added to WS_CHILD | WS_VISIBLE
    DWORD exStyle = 0;
    UINT id = 0xFFFF;       // 0xFFFF: a control nobody addresses by ID
    RECT box{0, 0, 0, 0};   // left, top, width, height (not right, bottom)
    const char* text = "";
    void* createParam = nullptr;
};
HWND createChild(HWND parent, const ChildSpec& child);

// The text of any window.
std::string windowText(HWND h);

// Pumps the messages already waiting (tests and long operations).
void pumpPending();

// The pump of a long operation that must not be re-entered (a file streaming into a control):
// paints what is due, lets messages sent from other threads and programs through (their
// handlers only queue work), drops the keyboard and mouse input meanwhile, and leaves every
// other posted message (commands, timers, dropped files) for later. True when Esc was pressed.
bool pumpWhileBusy();

} // namespace ui
