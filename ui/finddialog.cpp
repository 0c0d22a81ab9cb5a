// ui/finddialog.cpp — the system's modeless find and replace dialogs
#include "ui/finddialog.h"

#include "ui/errors.h"

#include <dlgs.h>

#include <cstring>

namespace ui {
namespace {

void copyInto(char (&buffer)[256], const std::string& text) {
    std::strncpy(buffer, text.c_str(), sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
}

} // namespace

FindDialog::~FindDialog() { close(); }

UINT FindDialog::message() {
    static const UINT id = RegisterWindowMessageA(FINDMSGSTRINGA);
    return id;
}

void FindDialog::show(HWND owner, bool replace, const FindRequest& last) {
    if (hwnd_ && replace_ == replace) {
        SetActiveWindow(hwnd_);
        SetFocus(GetDlgItem(hwnd_, edt1));
        return;
    }
    close();
    copyInto(what_, last.what);
    copyInto(with_, last.with);
    fr_ = FINDREPLACEA{};
    fr_.lStructSize = sizeof fr_;
    fr_.hwndOwner = owner;
    fr_.Flags = last.flags & (FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD);
    fr_.lpstrFindWhat = what_;
    fr_.wFindWhatLen = sizeof what_;
    fr_.lpstrReplaceWith = with_;
    fr_.wReplaceWithLen = sizeof with_;
    hwnd_ = replace ? ReplaceTextA(&fr_) : FindTextA(&fr_);
    if (!hwnd_) throw AppError("The find dialog failed (" + std::to_string(CommDlgExtendedError()) + ")");
    replace_ = replace;
}

FindRequest FindDialog::request(LPARAM lp) {
    const auto* fr = reinterpret_cast<const FINDREPLACEA*>(lp);
    FindRequest r;
    r.what = fr->lpstrFindWhat;
    r.with = fr->lpstrReplaceWith ? fr->lpstrReplaceWith : "";
    r.flags = fr->Flags & (FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD);
    // the replace dialog has no direction: it searches down
    if (replace_) r.flags |= FR_DOWN;
    if (fr->Flags & FR_DIALOGTERM) {
        r.kind = FindRequest::Closed;
        hwnd_ = nullptr; // the dialog destroys itself
    } else if (fr->Flags & FR_REPLACEALL) {
        r.kind = FindRequest::ReplaceAll;
    } else if (fr->Flags & FR_REPLACE) {
        r.kind = FindRequest::Replace;
    }
    return r;
}

void FindDialog::close() {
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

} // namespace ui
