// ui/actions.h — commands with state shown by every menu item and tool button bound to them
#pragma once
#include <windows.h>

#include "ui/unique.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class Action;

class ActionClient : Pinned { // an action holds its clients by address
public:
    virtual ~ActionClient() = default;
    virtual void sync(const Action& a) = 0;
};

class Action : Pinned { // its clients show its state: one action, one place
public:
    std::function<void()> onExecute;

    void bind(ActionClient& c);
    void setEnabled(bool on);
    void setChecked(bool on);
    bool enabled() const { return enabled_; }
    bool checked() const { return checked_; }
    // Runs the command when it is enabled.
    void execute();

private:
    void syncAll();
    bool enabled_ = true;
    bool checked_ = false;
    std::vector<ActionClient*> clients_;
};

// An item of a menu, addressed by its command ID (or, for a submenu, its handle).
class MenuItem : public ActionClient {
public:
    MenuItem() = default;
    void attach(HMENU parent, UINT id, HMENU submenu = nullptr);

    UINT id() const { return id_; }
    HMENU submenu() const { return submenu_; }
    const std::string& caption() const { return caption_; }
    bool enabled() const { return enabled_; }
    bool checked() const { return checked_; }

    void setCaption(const std::string& text);
    void setEnabled(bool on);
    void setChecked(bool on);
    void sync(const Action& a) override;

private:
    void apply(MENUITEMINFOA& mii);
    HMENU parent_ = nullptr;
    HMENU submenu_ = nullptr;
    UINT id_ = 0;
    std::string caption_;
    std::string shortcut_; // "\tCtrl+O", kept across caption changes
    bool enabled_ = true;
    bool checked_ = false;
    bool applied_ = false; // the state above has reached the menu
};

} // namespace ui
