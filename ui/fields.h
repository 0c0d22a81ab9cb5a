// ui/fields.h — the input fields of dialogs: check boxes and a number field with arrows
#pragma once
#include <windows.h>

#include "ui/unique.h"

#include <string>

namespace ui {

class CheckBox : Pinned {
public:
    void create(HWND parent, UINT id, int x, int y, int width, int height, HFONT font);
    HWND hwnd() const { return hwnd_; }
    bool checked() const;
    void setChecked(bool on);
    void setText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }
    std::string text() const;

private:
    HWND hwnd_ = nullptr;
};

// An edit field for whole numbers with an up-down control at its right edge; both together
// take the box given to create(). The arrows, and the arrow keys in the field, step within the
// range and write the new number into the field.
class SpinEdit : Pinned {
public:
    void create(HWND parent, UINT editId, UINT arrowsId, int x, int y, int width, int height, HFONT font,
                int minimum, int maximum);
    HWND hwnd() const { return edit_; }
    HWND arrows() const { return arrows_; }
    std::string text() const;
    void setText(const std::string& text) { SetWindowTextA(edit_, text.c_str()); }
    // The value shown; the arrows' position follows the text.
    void setValue(int value);

private:
    HWND edit_ = nullptr;
    HWND arrows_ = nullptr;
};

} // namespace ui
