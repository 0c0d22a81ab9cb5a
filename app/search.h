// app/search.h — find and replace in the active document, through the system's find and
// replace dialogs; what was last searched for serves "Najít další" (F3, Shift+F3 backwards)
#pragma once
#include <windows.h>

#include "ui/finddialog.h"

namespace app {

class Thlavni1;

class Search {
public:
    void showFind(Thlavni1& w) { show(w, false); }
    void showReplace(Thlavni1& w) { show(w, true); }
    // The last search again, down or up; the find dialog when nothing was searched for yet.
    void again(Thlavni1& w, bool up);
    // A message of the dialog (message()); false for any other message.
    bool onMessage(Thlavni1& w, UINT msg, LPARAM lp);
    // The open dialog (for IsDialogMessage), nullptr when none is open.
    HWND dialog() const { return dialog_.hwnd(); }

    // What the dialog asks, carried out on the active document.
    void run(Thlavni1& w, const ui::FindRequest& r);
    const ui::FindRequest& last() const { return last_; }

private:
    void show(Thlavni1& w, bool replace);
    // Selects the next match from the selection in the direction of `flags`, going on from
    // the other end of the document when there is none; false (and a box) when there is none.
    bool findNext(Thlavni1& w, DWORD flags);
    // A selection that is a match is replaced, then the next match is selected.
    void replace(Thlavni1& w);
    void replaceAll(Thlavni1& w);
    void notFound(Thlavni1& w);

    ui::FindDialog dialog_;
    ui::FindRequest last_;
};

} // namespace app
