// ui/fields.cpp — check boxes and a number field with arrows
#include "ui/fields.h"

#include <commctrl.h>

#include "ui/errors.h"
#include "ui/static.h"

namespace ui {
namespace {

HWND makeChild(DWORD exStyle, const char* cls, DWORD style, HWND parent, UINT id, int x, int y, int w,
               int h, HFONT font) {
    HWND c = CreateWindowExA(exStyle, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                             nullptr);
    if (!c) throwLastError();
    SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return c;
}

} // namespace

void CheckBox::create(HWND parent, UINT id, int x, int y, int width, int height, HFONT font) {
    hwnd_ = makeChild(0, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, parent, id, x, y, width, height, font);
}

bool CheckBox::checked() const { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::setChecked(bool on) {
    SendMessageA(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string CheckBox::text() const { return windowText(hwnd_); }

void SpinEdit::create(HWND parent, UINT editId, UINT arrowsId, int x, int y, int width, int height,
                      HFONT font, int minimum, int maximum) {
    // the arrows take the right part of the box, the field the rest. Placed here rather than by
    // UDS_ALIGNRIGHT, which overlaps the field's border by a width that differs between versions
    const int arrowsWidth = GetSystemMetrics(SM_CXVSCROLL);
    edit_ = makeChild(WS_EX_CLIENTEDGE, "EDIT", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, parent, editId, x, y,
                      width - arrowsWidth, height, font);
    arrows_ = makeChild(0, UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK, parent,
                        arrowsId, x + width - arrowsWidth, y, arrowsWidth, height, font);
    SendMessageA(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit_), 0);
    // Wine: taking the buddy moves both by a pixel even without an alignment style
    SetWindowPos(edit_, nullptr, x, y, width - arrowsWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(arrows_, nullptr, x + width - arrowsWidth, y, arrowsWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(minimum), static_cast<LPARAM>(maximum));
    setValue(minimum);
}

std::string SpinEdit::text() const { return windowText(edit_); }

void SpinEdit::setValue(int value) {
    SendMessageA(arrows_, UDM_SETPOS32, 0, value);
    setText(std::to_string(value)); // also when the arrows did not move
}

} // namespace ui
