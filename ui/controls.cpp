// ui/controls.cpp — thin wrappers of the common controls the program uses
#include "ui/controls.h"

#include <commctrl.h>

#include "ui/errors.h"
#include "ui/window.h"

namespace ui {

static HWND makeChild(const char* cls, DWORD style, HWND parent, UINT id, int w = 0, int h = 0) {
    return createChild(parent, {.className = cls, .style = style, .id = id, .box = {0, 0, w, h}});
}

// --- StatusBar

void StatusBar::create(HWND parent, UINT id, const std::vector<int>& widths) {
    hwnd_ = makeChild(STATUSCLASSNAMEA, SBARS_SIZEGRIP, parent, id);
    std::vector<int> edges;
    int x = 0;
    for (int w : widths) edges.push_back(x += w);
    if (!edges.empty()) edges.back() = -1; // the last panel takes the rest
    SendMessageA(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    texts_.assign(widths.size(), std::string());
}

void StatusBar::setText(int panel, const std::string& text) {
    texts_.at(static_cast<size_t>(panel)) = text;
    SendMessageA(hwnd_, SB_SETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBar::takeText(int panel) {
    const auto length = LOWORD(SendMessageA(hwnd_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel), 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(hwnd_, SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    texts_.at(static_cast<size_t>(panel)) = text;
}

void StatusBar::setVisible(bool on) {
    visible_ = on;
    ShowWindow(hwnd_, on ? SW_SHOW : SW_HIDE);
}

int StatusBar::height() const {
    if (!visible_) return 0;
    RECT r;
    GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

// --- ToolBar

void ToolBar::create(HWND parent, UINT id, HIMAGELIST images, HIMAGELIST disabled,
                     const std::vector<ToolButtonDef>& buttons) {
    hwnd_ = makeChild(TOOLBARCLASSNAMEA,
                      TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                      parent, id);
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (disabled) SendMessageA(hwnd_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled));
    std::vector<TBBUTTON> tb;
    for (const auto& b : buttons) {
        TBBUTTON t{};
        t.iBitmap = b.id ? b.image : 0;
        t.idCommand = static_cast<int>(b.id);
        t.fsState = TBSTATE_ENABLED;
        t.fsStyle = b.id ? b.style : BTNS_SEP;
        tb.push_back(t);
    }
    SendMessageA(hwnd_, TB_ADDBUTTONSA, tb.size(), reinterpret_cast<LPARAM>(tb.data()));
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
}

void ToolBar::setEnabled(UINT id, bool on) { SendMessageA(hwnd_, TB_ENABLEBUTTON, id, MAKELONG(on, 0)); }
void ToolBar::setDown(UINT id, bool on) { SendMessageA(hwnd_, TB_CHECKBUTTON, id, MAKELONG(on, 0)); }
bool ToolBar::enabled(UINT id) const { return SendMessageA(hwnd_, TB_ISBUTTONENABLED, id, 0) != 0; }
bool ToolBar::down(UINT id) const { return SendMessageA(hwnd_, TB_ISBUTTONCHECKED, id, 0) != 0; }

const std::string& ToolBar::hint(UINT id) const {
    static const std::string none;
    const auto it = hints_.find(id);
    return it == hints_.end() ? none : it->second;
}

bool ToolBar::onNotify(NMHDR* hdr) {
    if (hdr->code != TTN_GETDISPINFOA) return false;
    auto* di = reinterpret_cast<NMTTDISPINFOA*>(hdr);
    UINT id = static_cast<UINT>(hdr->idFrom);
    if (di->uFlags & TTF_IDISHWND) id = static_cast<UINT>(GetDlgCtrlID(reinterpret_cast<HWND>(hdr->idFrom)));
    const auto it = hints_.find(id);
    if (it == hints_.end()) return false;
    di->lpszText = const_cast<char*>(it->second.c_str());
    return true;
}

POINT ToolBar::makeRoom(int separatorIndex, int width) {
    TBBUTTONINFOA bi{};
    bi.cbSize = sizeof bi;
    bi.dwMask = TBIF_SIZE | TBIF_BYINDEX;
    bi.cx = static_cast<WORD>(width);
    SendMessageA(hwnd_, TB_SETBUTTONINFOA, static_cast<WPARAM>(separatorIndex), reinterpret_cast<LPARAM>(&bi));
    RECT r;
    SendMessageA(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(separatorIndex), reinterpret_cast<LPARAM>(&r));
    return {r.left, r.top + 1};
}

void ToolBar::adoptControl(HWND control) {
    // the bar's tool tip control also serves the control placed on it
    if (HWND tips = reinterpret_cast<HWND>(SendMessageA(hwnd_, TB_GETTOOLTIPS, 0, 0))) {
        TOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd_;
        ti.uId = reinterpret_cast<UINT_PTR>(control);
        ti.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        // the edit part of a drop-down combo box gets the mouse, so it gets the tip too
        if (HWND edit = FindWindowExA(control, nullptr, "Edit", nullptr)) {
            ti.uId = reinterpret_cast<UINT_PTR>(edit);
            SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
            SetWindowLongPtrA(edit, GWLP_ID, GetDlgCtrlID(control));
        }
    }
}

SIZE ToolBar::idealSize() const {
    SIZE s{};
    const int n = static_cast<int>(SendMessageA(hwnd_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        RECT r;
        SendMessageA(hwnd_, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        s.cx = r.right > s.cx ? r.right : s.cx;
        s.cy = r.bottom > s.cy ? r.bottom : s.cy;
    }
    return s;
}

// --- ComboBox

void ComboBox::create(HWND parent, UINT id, int x, int y, int width, int listHeight, bool sorted, HFONT font,
                      bool enabled) {
    hwnd_ = createChild(parent, {.className = WC_COMBOBOXA,
                                 .style = CBS_DROPDOWN | WS_VSCROLL | CBS_AUTOHSCROLL | WS_TABSTOP |
                                          (sorted ? CBS_SORT : 0) | (enabled ? 0 : WS_DISABLED),
                                 .id = id,
                                 .box = {x, y, width, listHeight}});
    if (font) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), IsWindowVisible(hwnd_));
    if (HWND edit = FindWindowExA(hwnd_, nullptr, "Edit", nullptr))
        SetWindowSubclass(edit, editProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK ComboBox::editProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    if (msg == WM_CHAR && wp == VK_RETURN) {
        auto* box = reinterpret_cast<ComboBox*>(self);
        if (box->onEnter) guardedVoid(box->onEnter);
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(h, editProc, 1);
    return DefSubclassProc(h, msg, wp, lp);
}

std::string ComboBox::selectedText() const {
    const LRESULT i = SendMessageA(hwnd_, CB_GETCURSEL, 0, 0);
    return i == CB_ERR ? text() : item(static_cast<int>(i));
}

void ComboBox::add(const std::string& item) {
    SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ComboBox::selectedIndex() const {
    const LRESULT i = SendMessageA(hwnd_, CB_GETCURSEL, 0, 0);
    return i == CB_ERR ? -1 : static_cast<int>(i);
}

void ComboBox::select(int index) { SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

int ComboBox::count() const { return static_cast<int>(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)); }

std::string ComboBox::item(int index) const {
    const LRESULT n = SendMessageA(hwnd_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == CB_ERR) return {};
    std::string s(static_cast<size_t>(n) + 1, '\0');
    SendMessageA(hwnd_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(n));
    return s;
}

std::string ComboBox::text() const { return windowText(hwnd_); }

void ComboBox::setText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }
void ComboBox::setEnabled(bool on) { EnableWindow(hwnd_, on); }
bool ComboBox::enabled() const { return IsWindowEnabled(hwnd_) != 0; }

// --- CoolBar

void CoolBar::create(HWND parent, UINT id) {
    hwnd_ = createChild(parent, {.className = REBARCLASSNAMEA,
                                 .style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT | RBS_BANDBORDERS |
                                          CCS_NODIVIDER | CCS_TOP,
                                 .exStyle = WS_EX_TOOLWINDOW,
                                 .id = id});
    REBARINFO ri{};
    ri.cbSize = sizeof ri;
    SendMessageA(hwnd_, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&ri));
}

void CoolBar::addBand(HWND child, int minHeight, int width) {
    REBARBANDINFOA b{};
    b.cbSize = sizeof b;
    b.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE;
    b.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS | RBBS_BREAK;
    b.hwndChild = child;
    b.cxMinChild = static_cast<UINT>(width);
    b.cyMinChild = static_cast<UINT>(minHeight);
    b.cx = static_cast<UINT>(width);
    SendMessageA(hwnd_, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&b));
}

void CoolBar::showBand(int index, bool on) { SendMessageA(hwnd_, RB_SHOWBAND, static_cast<WPARAM>(index), on); }

bool CoolBar::bandVisible(int index) const {
    REBARBANDINFOA b{};
    b.cbSize = sizeof b;
    b.fMask = RBBIM_STYLE;
    if (!SendMessageA(hwnd_, RB_GETBANDINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&b))) return false;
    return !(b.fStyle & RBBS_HIDDEN);
}

int CoolBar::height() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    return r.bottom - r.top;
}

} // namespace ui
