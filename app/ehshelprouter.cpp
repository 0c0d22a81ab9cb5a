// app/ehshelprouter.cpp — the help router: one per program, the application's help handler
#include "app/ehshelprouter.h"

#include "app/helpsystem.h"
#include "ui/errors.h"

#include <htmlhelp.h>

namespace app {
namespace {

THelpRouter* instance = nullptr; // the single-instance slot

} // namespace

ApplicationHelp& applicationHelp() {
    static ApplicationHelp help;
    return help;
}

bool helpCommand(WORD command, DWORD_PTR data) {
    ApplicationHelp& a = applicationHelp();
    if (!a.OnHelp) return false;
    bool callHelp = true;
    return a.OnHelp(command, data, callHelp);
}

THelpRouter::THelpRouter(HWND owner) : owner_(owner) {
    if (instance) throw ui::AppError("Multiple instances of THelpRouter are not allowed");
    instance = this;
    previous_ = std::move(applicationHelp().OnHelp);
    applicationHelp().OnHelp = [this](WORD command, DWORD_PTR data, bool& callHelp) {
        return request(command, data, callHelp);
    };
}

THelpRouter::~THelpRouter() {
    applicationHelp().OnHelp = std::move(previous_); // empty when there was none
    instance = nullptr;
}

HWND THelpRouter::activeForm() const {
    HWND active = GetActiveWindow(); // the active window of this thread, when it has one
    return active ? active : owner_;
}

std::string THelpRouter::chooseHelpFile() const {
    if (!Helpfile.empty()) return Helpfile;
    const ApplicationHelp& a = applicationHelp();
    std::string file = a.HelpFile;
    if (HWND form = activeForm(); form && a.FormHelpFile) {
        if (std::string own = a.FormHelpFile(form); !own.empty()) file = std::move(own);
    }
    return file;
}

bool THelpRouter::request(WORD command, DWORD_PTR data, bool& callHelp) {
    bool result = false;
    if (OnHelp) {
        result = OnHelp(command, data, callHelp);
        if (!callHelp) return result;
    }
    if (previous_) {
        result = previous_(command, data, callHelp);
        if (!callHelp) return result;
    }
    const HelpStep step = planHelp({command, data, HelpType, ShowType, chooseHelpFile(), CHMPopupTopics});
    callHelp = false;
    HelpSystem& system = helpSystem();
    const char* file = step.file.empty() ? nullptr : step.file.c_str();
    switch (step.kind) {
    case HelpStep::NoCall: return step.result;
    case HelpStep::HtmlCall: return system.htmlHelp(nullptr, file, step.command, step.data) != nullptr;
    case HelpStep::TextPopup: return textPopup(step);
    case HelpStep::RememberPosition: popup_.remember(step.data); return false;
    case HelpStep::WinHelpCall: {
        HWND form = activeForm();
        return system.winHelp(form ? form : ui::appWindow(), file, step.command, step.data);
    }
    }
    return result;
}

bool THelpRouter::textPopup(const HelpStep& step) {
    HelpSystem& system = helpSystem();
    const PopupPoint where = popup_.take([&system] {
        const POINT p = system.cursorPos();
        return PopupPoint{p.x, p.y};
    });
    const PopupRecord r = popupRecord(step.data, where);
    HH_POPUP popup{};
    // the record's own size: 52 bytes in a 32-bit program, more in a 64-bit one
    popup.cbStruct = sizeof popup;
    popup.idString = r.idString;
    popup.pt = {r.pt.x, r.pt.y};
    popup.clrForeground = r.clrForeground;
    popup.clrBackground = r.clrBackground;
    popup.rcMargins = {r.margins[0], r.margins[1], r.margins[2], r.margins[3]};
    popup.pszFont = r.font.c_str();
    HWND form = activeForm();
    system.htmlHelp(form ? form : ui::appWindow(), step.file.empty() ? nullptr : step.file.c_str(), step.command,
                    reinterpret_cast<DWORD_PTR>(&popup));
    return true;
}

bool THelpRouter::HelpContents() { return helpCommand(helpcmd::kTab, 0); }

void THelpRouter::ControlPopup(int controlId, POINT where) {
    helpCommand(helpcmd::kSetPopupPos, MAKELONG(static_cast<WORD>(where.x), static_cast<WORD>(where.y)));
    helpCommand(helpcmd::kContextPopup, static_cast<DWORD_PTR>(controlId));
}

} // namespace app
