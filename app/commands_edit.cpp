// app/commands_edit.cpp — the commands of the "Úpravy" menu and the formatting toolbar, and
// the font boxes (see commands.h for the pattern)
#include "app/commands.h"

#include "app/hlavni.h"
#include "app/resource.h"
#include "ui/prompts.h"
#include "ui/text.h"

#include <climits>

namespace app {
namespace {

void mmPismo1Click(Thlavni1& w) {
    const auto font = ui::prompts().chooseFont(w.hwnd(), w.FontDialog1);
    if (!font) return;
    w.FontDialog1 = *font;
    ui::RichEdit& text = w.activeDocument()->RichEdit1;
    text.setSelectionFace(font->face);
    w.cbPismo.setText(font->face);
    text.setSelectionSize(font->sizePt);
    w.cbVelikostPisma.setText(std::to_string(font->sizePt));
    text.setSelectionEffects((font->bold ? ui::RichEdit::Bold : 0) | (font->italic ? ui::RichEdit::Italic : 0) |
                             (font->underline ? ui::RichEdit::Underline : 0) |
                             (font->strikeOut ? ui::RichEdit::StrikeOut : 0));
    text.setSelectionColor(font->color);
    auto& s = w.nastaveni();
    if (s.Typ) {
        s.Editor.Pismo = font->face;
        s.Editor.Velikost = font->sizePt;
        s.Editor.Barva = font->color;
    }
}

void tbPozadi1Click(Thlavni1& w) {
    const auto color = ui::prompts().chooseColor(w.hwnd(), w.ColorDialog1);
    if (!color) return;
    w.ColorDialog1 = *color;
    w.activeDocument()->RichEdit1.setBackground(*color);
    w.nastaveni().Editor.Pozadi = *color;
}

void mmZalamovatRadky1Click(Thlavni1& w) {
    w.activeDocument()->ToggleWordWrap();
    w.WordWrapChecked = !w.WordWrapChecked;
}

// The active document's formatting state, for the toolbar's pressed buttons; with no document
// the buttons keep what they showed.
const document::FormatState* format(const Thlavni1& w) {
    const document::Teditor1* doc = w.activeDocument();
    return doc ? &doc->format : nullptr;
}

// a click has already toggled a button: the command applies its new state
const CommandDef kEntries[] = {
    {IDM_PISMO, mmPismo1Click, kNeedsDocument},
    {IDM_VYJMOUT, [](Thlavni1& w) { w.activeDocument()->RichEdit1.cut(); }, kNeedsDocument},
    {IDM_KOPIROVAT, [](Thlavni1& w) { w.activeDocument()->RichEdit1.copy(); }, kNeedsDocument},
    {IDM_VLOZIT, [](Thlavni1& w) { w.activeDocument()->RichEdit1.paste(); }, kNeedsDocument},
    {IDM_VYBRATVSE, [](Thlavni1& w) { w.activeDocument()->RichEdit1.selectAll(); }, kNeedsDocument},
    {IDM_ZPET, [](Thlavni1& w) { w.activeDocument()->RichEdit1.undo(); }, kNeedsDocument,
     [](const Thlavni1& w) { return w.activeDocument()->RichEdit1.canUndo(); }},
    {IDM_ZNOVU, [](Thlavni1& w) { w.activeDocument()->RichEdit1.redo(); }, kNeedsDocument,
     [](const Thlavni1& w) { return w.activeDocument()->RichEdit1.canRedo(); }},
    {IDM_ZALAMOVAT, mmZalamovatRadky1Click, kNeedsDocument, nullptr,
     // the active document's own: one opened with lines too long to wrap has it off
     [](const Thlavni1& w) { return w.activeDocument() ? w.activeDocument()->RichEdit1.wordWrap() : w.WordWrapChecked; }},
    {IDT_POZADI, tbPozadi1Click, kNeedsDocument},
    {IDT_TUCNE, [](Thlavni1& w) { w.activeDocument()->SetBold(w.ToolBar2.down(IDT_TUCNE)); }, kNeedsDocument,
     nullptr, [](const Thlavni1& w) { return format(w) ? format(w)->bold : w.ToolBar2.down(IDT_TUCNE); }},
    {IDT_KURZIVA, [](Thlavni1& w) { w.activeDocument()->SetItalic(w.ToolBar2.down(IDT_KURZIVA)); },
     kNeedsDocument, nullptr, [](const Thlavni1& w) { return format(w) ? format(w)->italic : w.ToolBar2.down(IDT_KURZIVA); }},
    {IDT_PODTRZENO, [](Thlavni1& w) { w.activeDocument()->SetUnderline(w.ToolBar2.down(IDT_PODTRZENO)); },
     kNeedsDocument, nullptr, [](const Thlavni1& w) { return format(w) ? format(w)->underline : w.ToolBar2.down(IDT_PODTRZENO); }},
    // a document with no alignment of its own leaves the buttons as the last one showed them
    {IDT_VLEVO, [](Thlavni1& w) { w.activeDocument()->SetAlignment("doleva"); }, kNeedsDocument, nullptr,
     [](const Thlavni1& w) { return w.ToolBar2.down(IDT_VLEVO); }},
    {IDT_STRED, [](Thlavni1& w) { w.activeDocument()->SetAlignment("nastred"); }, kNeedsDocument, nullptr,
     [](const Thlavni1& w) { return w.ToolBar2.down(IDT_STRED); }},
    {IDT_VPRAVO, [](Thlavni1& w) { w.activeDocument()->SetAlignment("doprava"); }, kNeedsDocument, nullptr,
     [](const Thlavni1& w) { return w.ToolBar2.down(IDT_VPRAVO); }},
};

} // namespace

const CommandList kEditCommands{kEntries};

// --- the font boxes on the formatting toolbar

bool Thlavni1::onComboChoice(UINT id) {
    if (id == IDC_PISMO) {
        cbPismoClick(cbPismo.selectedText());
        return true;
    }
    if (id == IDC_VELIKOST) {
        cbVelikostPismaClick(cbVelikostPisma.selectedText());
        return true;
    }
    return false;
}

void Thlavni1::cbPismoClick(const std::string& face) {
    if (!activeDocument()) return;
    activeDocument()->SetFontName(face);
    settings_->Editor.Pismo = face;
}

void Thlavni1::cbVelikostPismaClick(const std::string& size) {
    long long points = 0;
    if (!activeDocument() || !ui::parseInt(size, points) || points < INT_MIN || points > INT_MAX) return;
    activeDocument()->SetFontSize(static_cast<int>(points));
}

} // namespace app
