// app/ehshelprouter.h — the application's help handling and the help router
//
// A help request is a classic help command and a data value (helpCommand). The application
// passes it to its help handler; THelpRouter installs itself as that handler and carries the
// request out with HTML Help or Windows Help (helpmap.h says how, helpsystem.h calls them).
#pragma once
#include <windows.h>

#include "app/helpmap.h"
#include "ui/unique.h"

#include <functional>
#include <string>

namespace app {

// A help handler: given the command, the data value and the call-help flag (cleared by a
// handler after which nothing else is to handle the request); returns whether it succeeded.
using THelpEvent = std::function<bool(WORD command, DWORD_PTR data, bool& callHelp)>;

// The application's help handling.
struct ApplicationHelp {
    THelpEvent OnHelp;    // the application's help handler
    std::string HelpFile; // the application's help file
    // A form's own help file; none by default (no window of this program has one).
    std::function<std::string(HWND form)> FormHelpFile;
};
ApplicationHelp& applicationHelp();

// Sends a help request to the application's help handler; false when there is none. Without
// a handler nothing else happens: the program never starts Windows Help by itself.
bool helpCommand(WORD command, DWORD_PTR data);

class THelpRouter : ui::Pinned {
public:
    // Installs the router as the application's help handler, keeping the one in place.
    // `owner` is the window that holds it (the form asked for help when no form is active).
    // Throws ui::AppError "Multiple instances of THelpRouter are not allowed" when one exists.
    explicit THelpRouter(HWND owner = nullptr);
    // Puts the handler that was in place back and frees the single-instance slot.
    ~THelpRouter();

    THelpType HelpType = THelpType::htWinhelp;
    TShowType ShowType = TShowType::stDefault;
    std::string Helpfile;                    // empty: the application's or the active form's
    std::string CHMPopupTopics = "CSHelp.txt";
    THelpEvent OnHelp;                       // asked first for every request
    bool ValidateID = false;                 // stored only: every help identifier is valid

    // The request handler the router installs.
    bool request(WORD command, DWORD_PTR data, bool& callHelp);
    // The help contents: HELP_TAB with data 0 through the application's help handling.
    bool HelpContents();
    // The popup of the control `controlId` at the screen point `where`, as a dialog's "?"
    // asks for it: the position first, then the popup, through the application's handling.
    void ControlPopup(int controlId, POINT where);
    // The position remembered for the next popup ((0, 0): none).
    PopupPoint popupPosition() const { return popup_.stored(); }

private:
    HWND activeForm() const;
    std::string chooseHelpFile() const;
    bool textPopup(const HelpStep& step);

    HWND owner_;
    THelpEvent previous_; // the application's handler before the router
    PopupPosition popup_;
};

} // namespace app
