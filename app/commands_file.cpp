// app/commands_file.cpp — the commands of the "Soubor" menu (see commands.h for the pattern)
#include "app/commands.h"

#include "app/hlavni.h"
#include "app/resource.h"
#include "ui/files.h"
#include "ui/printer.h"
#include "ui/prompts.h"
#include "ui/text.h"

namespace app {
namespace {

void alNovyExecute(Thlavni1& w) {
    w.StatusBar1.setText(0, w.LanguageStrings[2]);
    const int slot = w.FindFreeSlot();
    if (slot < 0) {
        w.warnNoSlot(w.LanguageStrings[3]);
        return;
    }
    w.CreateDocumentWindow(slot, false, "");
    w.StatusBar1.setText(0, w.LanguageStrings[5]);
}

void alOtevritExecute(Thlavni1& w) {
    const std::string before = w.StatusBar1.text(0);
    w.StatusBar1.setText(0, w.LanguageStrings[6]);
    const int slot = w.FindFreeSlot();
    if (slot < 0) {
        w.warnNoSlot(w.LanguageStrings[3]);
        return;
    }
    bool unwrapped = false;
    if (const auto choice = runOpenDialog(w.hwnd(), w.OpenDialog1)) {
        try {
            unwrapped = w.CreateDocumentWindow(slot, true, choice->path).longLinesUnwrapped;
        } catch (const ui::LoadStopped&) {
            w.StatusBar1.setText(0, before); // Esc: as if the command had not run
            return;
        }
    }
    w.StatusBar1.setText(1, ui::baseName(w.OpenDialog1.fileName));
    // why the new document's lines are not wrapped says more than that the command ended
    w.StatusBar1.setText(0, unwrapped ? w.ExtraTexts[language::xLongLinesUnwrapped] : w.LanguageStrings[5]);
}

void alUlozitExecute(Thlavni1& w) {
    w.StatusBar1.setText(0, w.LanguageStrings[0]);
    document::Teditor1* doc = w.activeDocument();
    doc->Save();
    if (!doc->FileName.empty()) w.StatusBar1.setText(1, ui::baseName(doc->FileName));
    w.setSaveWanted(false);
    w.StatusBar1.setText(0, w.LanguageStrings[1]);
}

void mmZavrit1Click(Thlavni1& w) {
    w.MayCloseFlag = w.activeDocument()->requestClose() == document::CloseOutcome::Closed;
}

void mmTisk1Click(Thlavni1& w) {
    if (const auto printer = ui::prompts().printDialog({w.hwnd()})) w.activeDocument()->Print(*printer);
}

// the tool button prints on the current printer, without a dialog
void tbTisk1Click(Thlavni1& w) { w.activeDocument()->Print(*ui::prompts().currentPrinter()); }

const CommandDef kEntries[] = {
    {IDM_NOVY, alNovyExecute},
    {IDM_OTEVRIT, alOtevritExecute},
    {IDM_ZAVRIT, mmZavrit1Click, kNeedsDocument},
    {IDM_ULOZIT, alUlozitExecute, kNeedsDocument, [](const Thlavni1& w) { return w.saveWanted(); }},
    {IDM_ULOZITJAKO, [](Thlavni1& w) { w.activeDocument()->SaveAs(); }, kNeedsDocument},
    {IDM_TISK, mmTisk1Click, kNeedsDocument},
    {IDT_TISK, tbTisk1Click, kNeedsDocument},
    {IDM_KONEC, [](Thlavni1& w) { w.mmKonec1Click(); }},
};

} // namespace

const CommandList kFileCommands{kEntries};

} // namespace app
