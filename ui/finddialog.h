// ui/finddialog.h — the system's modeless find and replace dialogs
//
// The dialog tells its owner what the user asked for by the registered message message();
// the owner turns the message's lParam into a FindRequest with request(). The message loop
// gives the dialog its keys with IsDialogMessage(hwnd()) while it is open. (Modeless: nothing
// waits for it, so tests drive the real dialog and it does not go through the prompts seam.)
#pragma once
#include <windows.h>

#include <commdlg.h>

#include <string>

#include "ui/unique.h"

namespace ui {

struct FindRequest {
    enum Kind { FindNext, Replace, ReplaceAll, Closed };
    Kind kind = FindNext;
    std::string what, with;
    DWORD flags = FR_DOWN; // FR_DOWN, FR_MATCHCASE, FR_WHOLEWORD
};

class FindDialog : Pinned {
public:
    ~FindDialog();
    // The registered message (FINDMSGSTRING) the dialog sends its owner.
    static UINT message();
    // Shows the find or the replace dialog owned by `owner`, filled in from `last`; an open
    // dialog of the same kind is brought forward, one of the other kind gives way.
    void show(HWND owner, bool replace, const FindRequest& last);
    // The open dialog, nullptr when none is open.
    HWND hwnd() const { return hwnd_; }
    bool replacing() const { return replace_; }
    // What the message with `lp` asks; Closed when the dialog went away.
    FindRequest request(LPARAM lp);
    void close();

private:
    FINDREPLACEA fr_{};
    char what_[256] = {};
    char with_[256] = {};
    HWND hwnd_ = nullptr;
    bool replace_ = false;
};

} // namespace ui
