// ui/static.h — fonts, text labels, pictures and push buttons of the small windows
#pragma once
#include <windows.h>

#include "ui/unique.h"
#include "ui/window.h"

#include <optional>
#include <string>

namespace ui {

struct FontSpec {
    std::string face;
    int height = -13; // pixels: negative gives the character height, positive the cell
    bool bold = false;
    bool italic = false;
    bool underline = false;
    BYTE charset = DEFAULT_CHARSET;
};

// A font for `font`; throws AppError when none can be made.
UniqueGdi createFont(const FontSpec& font);
// Pixels for a size in points at the screen's resolution, as a negative (character) height.
int pointsToHeight(int points);
// What a font really is (face, height, weight, underline) as the system reports it.
LOGFONTA fontInfo(HFONT font);

// A line of static text with its own font and colours. The window holding it answers
// WM_CTLCOLORSTATIC through colorize().
class Label : Pinned {
public:
    // `align` is SS_LEFT, SS_CENTER or SS_RIGHT: where the text sits in the label's box.
    void create(HWND parent, int x, int y, int width, int height, const FontSpec& font,
                DWORD align = SS_LEFT, UINT id = 0xFFFF);
    HWND hwnd() const { return hwnd_; }
    void setText(const std::string& text);
    std::string text() const;
    HFONT font() const { return static_cast<HFONT>(font_.get()); }
    // Text colour and background; no background paints the parent's face colour.
    void setColors(COLORREF text, std::optional<COLORREF> background);
    // The brush for WM_CTLCOLORSTATIC when `control` is this label, else nullptr.
    HBRUSH colorize(HWND control, HDC dc) const;

private:
    HWND hwnd_ = nullptr;
    UniqueGdi font_;
    UniqueGdi brush_;
    COLORREF textColor_ = RGB(0, 0, 0);
    std::optional<COLORREF> background_;
};

// A bitmap shown at its own size; the control keeps the bitmap for as long as it lives.
class Picture : Pinned {
public:
    void create(HWND parent, int x, int y, UniqueGdi bitmap);
    HWND hwnd() const { return hwnd_; }
    HBITMAP bitmap() const { return static_cast<HBITMAP>(bitmap_.get()); }
    SIZE size() const;

private:
    HWND hwnd_ = nullptr;
    UniqueGdi bitmap_;
};

class PushButton : Pinned {
public:
    // `isDefault`: drawn as the button that Enter presses
    void create(HWND parent, UINT id, int x, int y, int width, int height, HFONT font,
                bool isDefault = true);
    HWND hwnd() const { return hwnd_; }
    UINT id() const { return id_; }
    void setText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }
    std::string text() const;
    void setFocus() { SetFocus(hwnd_); }

private:
    HWND hwnd_ = nullptr;
    UINT id_ = 0;
};

} // namespace ui
