// ui/controls.h — thin wrappers of the common controls the program uses
#pragma once
#include <windows.h>

#include <commctrl.h>

#include "ui/actions.h"
#include "ui/unique.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ui {

class StatusBar : Pinned {
public:
    void create(HWND parent, UINT id, const std::vector<int>& widths);
    HWND hwnd() const { return hwnd_; }
    void setText(int panel, const std::string& text);
    const std::string& text(int panel) const { return texts_.at(static_cast<size_t>(panel)); }
    // Takes over the text that another module (the converter library) put on the panel itself.
    void takeText(int panel);
    void setVisible(bool on);
    bool visible() const { return visible_; }
    int height() const;

private:
    HWND hwnd_ = nullptr;
    std::vector<std::string> texts_;
    bool visible_ = true;
};

struct ToolButtonDef {
    UINT id;           // 0 for a separator
    int image = 0;     // index in the image list
    BYTE style = BTNS_BUTTON;
};

class ToolBar : Pinned {
public:
    void create(HWND parent, UINT id, HIMAGELIST images, HIMAGELIST disabled,
                const std::vector<ToolButtonDef>& buttons);
    HWND hwnd() const { return hwnd_; }
    void setEnabled(UINT id, bool on);
    void setDown(UINT id, bool on);
    bool enabled(UINT id) const;
    bool down(UINT id) const;
    // Tool tips: the text shown for a button (or a child control placed on the bar).
    void setHint(UINT id, const std::string& text) { hints_[id] = text; }
    const std::string& hint(UINT id) const;
    // Answers TTN_GETDISPINFOA for the bar's buttons; true when it was one of ours.
    bool onNotify(NMHDR* hdr);
    // Widens the separator at `separatorIndex` to `width` pixels for a child control and
    // returns where the control goes. Widening a separator moves what follows it: make room for
    // every control first, then make the controls there (under Wine moving a drop-down combo box
    // costs 3 to 5 ms, as its list is a desktop window).
    POINT makeRoom(int separatorIndex, int width);
    // Gives a control placed on the bar the bar's tool tips.
    void adoptControl(HWND control);
    SIZE idealSize() const;

private:
    HWND hwnd_ = nullptr;
    std::map<UINT, std::string> hints_;
};

// A tool button bound to an action.
class ToolButton : public ActionClient {
public:
    ToolButton(ToolBar& bar, UINT id) : bar_(bar), id_(id) {}
    void sync(const Action& a) override {
        bar_.setEnabled(id_, a.enabled());
        bar_.setDown(id_, a.checked());
    }

private:
    ToolBar& bar_;
    UINT id_;
};

// Its edit field's subclass procedure holds `this`: a combo box stays where it was created.
class ComboBox : Pinned {
public:
    // At (x, y) of the parent; `listHeight` is the field and its drop-down list together.
    // `enabled` off makes the box disabled from the start: under Wine each change of a drop-down
    // box's state or place reaches its list's desktop window (2 to 5 ms).
    void create(HWND parent, UINT id, int x, int y, int width, int listHeight, bool sorted, HFONT font,
                bool enabled = true);
    HWND hwnd() const { return hwnd_; }
    void add(const std::string& item);
    // The index of the chosen item; -1 when the text is no item (typed, or nothing chosen).
    int selectedIndex() const;
    // Chooses item `index`: its text becomes the box's text (no notification is sent).
    void select(int index);
    int count() const;
    std::string item(int index) const;
    std::string text() const;
    // The item being chosen; valid already while CBN_SELCHANGE is sent, unlike text().
    std::string selectedText() const;
    void setText(const std::string& text);
    void setEnabled(bool on);
    bool enabled() const;
    // Called when Enter is typed in the box's edit field; the key still reaches the box.
    std::function<void()> onEnter;

private:
    static LRESULT CALLBACK editProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
    HWND hwnd_ = nullptr;
};

// A cool bar (rebar) whose bands hold tool bars.
class CoolBar : Pinned {
public:
    void create(HWND parent, UINT id);
    HWND hwnd() const { return hwnd_; }
    void addBand(HWND child, int minHeight, int width);
    void showBand(int index, bool on);
    bool bandVisible(int index) const;
    int height() const;

private:
    HWND hwnd_ = nullptr;
};

} // namespace ui
