// app/HyperLink.h — a text that opens its target (web or mail address) through the shell
#pragma once
#include <windows.h>

#include "ui/static.h"
#include "ui/unique.h"
#include "ui/window.h"

#include <functional>
#include <string>

namespace app {

class THyperLink : public ui::Window {
public:
    // What the shell opens: "https://…" or "mailto:…".
    std::string Destination;
    std::function<void(THyperLink&)> OnMouseEnter, OnMouseLeave, OnClick;

    // Creates the control sized to its text in `font` (its style is replaced: bold only) and
    // blue, on `background`. It takes the focus with Tab; Enter or Space open it as a click does.
    void create(HWND parent, int x, int y, const std::string& text, ui::FontSpec font,
                COLORREF background);

    HFONT font() const { return static_cast<HFONT>(font_.get()); }
    COLORREF fontColor() const { return kBlue; }
    bool hovering() const { return hovering_; }

    // The click: the assigned handler first, then the shell opens Destination.
    void click();

    // Opens a target through the shell without waiting for it: the shell call runs on a worker
    // thread and shows no error of its own, so a missing browser or mail program never holds up
    // the window. Tests swap it to see what would be opened.
    using Opener =
        std::function<void(HWND owner, const std::string& target, const std::string& folder)>;
    static Opener& opener();

    static constexpr COLORREF kBlue = RGB(0, 0, 255);

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void onMouseMove();
    void onMouseLeave();
    void onPaint();
    void setUnderline(bool on);

    ui::FontSpec spec_;
    ui::UniqueGdi font_;
    ui::UniqueGdi background_;
    COLORREF backgroundColor_ = RGB(255, 255, 255);
    bool hovering_ = false;
    bool pressed_ = false;
};

// The shell's "open" of a target, on a worker thread (the default opener).
void shellOpen(HWND owner, const std::string& target, const std::string& folder);

} // namespace app
