// ui/actions.cpp — commands with state shown by every bound client
#include "ui/actions.h"

namespace ui {

void Action::bind(ActionClient& c) {
    clients_.push_back(&c);
    c.sync(*this);
}

void Action::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    syncAll();
}

void Action::setChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    syncAll();
}

void Action::execute() {
    if (enabled_ && onExecute) onExecute();
}

void Action::syncAll() {
    for (auto* c : clients_) c->sync(*this);
}

void MenuItem::attach(HMENU parent, UINT id, HMENU submenu) {
    parent_ = parent;
    id_ = id;
    submenu_ = submenu;
    const int n = GetMenuItemCount(parent);
    for (int i = 0; i < n; ++i) {
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        char buf[256] = {};
        mii.dwTypeData = buf;
        mii.cch = sizeof buf;
        if (!GetMenuItemInfoA(parent, static_cast<UINT>(i), TRUE, &mii)) continue;
        if ((submenu && mii.hSubMenu == submenu) || (!submenu && mii.wID == id && !mii.hSubMenu)) {
            std::string text = buf;
            const size_t tab = text.find('\t');
            if (tab != std::string::npos) {
                shortcut_ = text.substr(tab);
                text.resize(tab);
            }
            caption_ = text;
            return;
        }
    }
}

void MenuItem::apply(MENUITEMINFOA& mii) {
    mii.cbSize = sizeof mii;
    if (submenu_) {
        const int n = GetMenuItemCount(parent_);
        for (int i = 0; i < n; ++i)
            if (GetSubMenu(parent_, i) == submenu_) {
                SetMenuItemInfoA(parent_, static_cast<UINT>(i), TRUE, &mii);
                return;
            }
        return;
    }
    SetMenuItemInfoA(parent_, id_, FALSE, &mii);
}

void MenuItem::setCaption(const std::string& text) {
    caption_ = text;
    std::string full = text + shortcut_;
    MENUITEMINFOA mii{};
    mii.fMask = MIIM_STRING;
    mii.dwTypeData = full.data();
    apply(mii);
}

void MenuItem::setEnabled(bool on) {
    if (parent_ && enabled_ == on && applied_) return;
    applied_ = true;
    enabled_ = on;
    MENUITEMINFOA mii{};
    mii.fMask = MIIM_STATE;
    mii.fState = (on ? MFS_ENABLED : MFS_GRAYED) | (checked_ ? MFS_CHECKED : MFS_UNCHECKED);
    apply(mii);
}

void MenuItem::setChecked(bool on) {
    checked_ = on;
    applied_ = false;
    setEnabled(enabled_);
}

void MenuItem::sync(const Action& a) {
    checked_ = a.checked();
    applied_ = false;
    setEnabled(a.enabled());
}

} // namespace ui
