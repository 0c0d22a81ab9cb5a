// app/search.cpp — find and replace in the active document
#include "app/search.h"

#include "app/hlavni.h"
#include "lang/extra.h"

namespace app {

void Search::show(Thlavni1& w, bool replace) {
    ui::FindRequest initial = last_;
    // a selection within one line is what the user wants to look for
    const std::string selected = w.activeDocument()->RichEdit1.selectedText();
    if (!selected.empty() && selected.find('\r') == std::string::npos && selected.size() < 256)
        initial.what = selected;
    dialog_.show(w.hwnd(), replace, initial);
}

void Search::again(Thlavni1& w, bool up) {
    if (last_.what.empty()) {
        showFind(w);
        return;
    }
    findNext(w, up ? last_.flags & ~DWORD(FR_DOWN) : last_.flags | FR_DOWN);
}

bool Search::onMessage(Thlavni1& w, UINT msg, LPARAM lp) {
    if (msg != ui::FindDialog::message()) return false;
    const ui::FindRequest r = dialog_.request(lp);
    if (r.kind == ui::FindRequest::Closed) return true;
    last_ = r;
    if (w.activeDocument()) run(w, r);
    return true;
}

void Search::run(Thlavni1& w, const ui::FindRequest& r) {
    last_ = r;
    switch (r.kind) {
    case ui::FindRequest::FindNext: findNext(w, r.flags); break;
    case ui::FindRequest::Replace: replace(w); break;
    case ui::FindRequest::ReplaceAll: replaceAll(w); break;
    case ui::FindRequest::Closed: break;
    }
    w.updateActions();
}

bool Search::findNext(Thlavni1& w, DWORD flags) {
    ui::RichEdit& text = w.activeDocument()->RichEdit1;
    const bool down = flags & FR_DOWN;
    long from = 0, to = 0;
    text.selection(from, to);
    auto found = down ? text.find(last_.what, flags, to, -1) : text.find(last_.what, flags, from, 0);
    std::string status;
    if (!found) { // on from the other end
        found = down ? text.find(last_.what, flags, 0, -1) : text.find(last_.what, flags, text.textLength(), 0);
        status = w.ExtraTexts[down ? language::xWrappedToStart : language::xWrappedToEnd];
    }
    w.StatusBar1.setText(0, found ? status : "");
    if (!found) {
        notFound(w);
        return false;
    }
    text.select(found->from, found->to);
    return true;
}

void Search::replace(Thlavni1& w) {
    ui::RichEdit& text = w.activeDocument()->RichEdit1;
    long from = 0, to = 0;
    text.selection(from, to);
    if (from != to && text.find(last_.what, last_.flags | FR_DOWN, from, to) == ui::RichEdit::Match{from, to}) {
        text.replaceSelection(last_.with);
        text.setModified(true);
    }
    findNext(w, last_.flags | FR_DOWN);
}

void Search::replaceAll(Thlavni1& w) {
    document::Teditor1& doc = *w.activeDocument();
    const int count = doc.RichEdit1.replaceAll(last_.what, last_.with, last_.flags);
    w.StatusBar1.setText(0, w.ExtraTexts[language::xReplacedCount] + std::to_string(count));
    if (count == 0) {
        notFound(w);
        return;
    }
    w.documentChanged(doc); // the control sends no change notification for it
}

void Search::notFound(Thlavni1& w) {
    // owned by the dialog while it is open, so that it comes back to it
    const HWND owner = dialog_.hwnd() ? dialog_.hwnd() : w.hwnd();
    ui::prompts().messageBox(owner, w.ExtraTexts[language::xNotFound] + last_.what,
                             w.ExtraTexts[language::xFindCaption], MB_ICONINFORMATION);
}

} // namespace app
