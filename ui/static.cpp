// ui/static.cpp — fonts, text labels, pictures and push buttons of the small windows
#include "ui/static.h"

#include "ui/errors.h"
#include "ui/gdi.h"

namespace ui {
namespace {

HWND makeChild(const char* cls, DWORD style, HWND parent, UINT id, int x, int y, int w, int h) {
    return createChild(parent, {.className = cls, .style = style, .id = id, .box = {x, y, w, h}});
}

} // namespace

UniqueGdi createFont(const FontSpec& font) {
    LOGFONTA lf{};
    lf.lfHeight = font.height;
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfCharSet = font.charset;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, font.face.c_str(), LF_FACESIZE);
    UniqueGdi f{CreateFontIndirectA(&lf)};
    if (!f) throwLastError();
    return f;
}

int pointsToHeight(int points) {
    return -MulDiv(points, GetDeviceCaps(WindowDC().get(), LOGPIXELSY), 72);
}

LOGFONTA fontInfo(HFONT font) {
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    return lf;
}

// --- Label

void Label::create(HWND parent, int x, int y, int width, int height, const FontSpec& font,
                   DWORD align, UINT id) {
    hwnd_ = makeChild("STATIC", align | SS_NOPREFIX, parent, id, x, y, width, height);
    font_ = createFont(font);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void Label::setText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

std::string Label::text() const { return windowText(hwnd_); }

void Label::setColors(COLORREF text, std::optional<COLORREF> background) {
    textColor_ = text;
    background_ = background;
    brush_.reset(background ? CreateSolidBrush(*background) : nullptr);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Label::colorize(HWND control, HDC dc) const {
    if (control != hwnd_) return nullptr;
    SetTextColor(dc, textColor_);
    if (background_) {
        SetBkColor(dc, *background_);
        return static_cast<HBRUSH>(brush_.get());
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

// --- Picture

void Picture::create(HWND parent, int x, int y, UniqueGdi bitmap) {
    hwnd_ = makeChild("STATIC", SS_BITMAP, parent, 0xFFFF, x, y, 0, 0);
    bitmap_ = std::move(bitmap);
    // Win32: the control draws the bitmap but does not own it; ours lives as long as this object
    SendMessageA(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_.get()));
}

SIZE Picture::size() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return {r.right, r.bottom};
}

// --- PushButton

void PushButton::create(HWND parent, UINT id, int x, int y, int width, int height, HFONT font,
                        bool isDefault) {
    id_ = id;
    hwnd_ = makeChild("BUTTON", (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, parent, id,
                      x, y, width, height);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

std::string PushButton::text() const { return windowText(hwnd_); }

} // namespace ui
