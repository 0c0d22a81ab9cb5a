// app/commands_keys.cpp — the commands that only keys give: the next and previous document,
// and the formatting toolbar's buttons pressed by key (see commands.h for the pattern)
#include "app/commands.h"

#include "app/hlavni.h"
#include "app/resource.h"

namespace app {
namespace {

// WM_MDINEXT goes to the next window with lParam 0 and to the previous one otherwise.
void nextDocument(Thlavni1& w, bool previous) {
    SendMessageA(w.client(), WM_MDINEXT, reinterpret_cast<WPARAM>(w.activeDocument()->hwnd()), previous);
}

// A key does what a click does: the check button turns over, then its command applies it.
void toggleButton(Thlavni1& w, UINT button) {
    w.ToolBar2.setDown(button, !w.ToolBar2.down(button));
    w.runCommand(button);
}

// The alignment buttons are one group: the chosen one goes down, the other two up.
void pressAlignment(Thlavni1& w, UINT button) {
    for (UINT id : {IDT_VLEVO, IDT_STRED, IDT_VPRAVO}) w.ToolBar2.setDown(id, id == button);
    w.runCommand(button);
}

const CommandDef kEntries[] = {
    {IDM_DALSIOKNO, [](Thlavni1& w) { nextDocument(w, false); }, kNeedsDocument},
    {IDM_PREDCHOZIOKNO, [](Thlavni1& w) { nextDocument(w, true); }, kNeedsDocument},
    {IDM_TUCNE, [](Thlavni1& w) { toggleButton(w, IDT_TUCNE); }, kNeedsDocument},
    {IDM_KURZIVA, [](Thlavni1& w) { toggleButton(w, IDT_KURZIVA); }, kNeedsDocument},
    {IDM_PODTRZENO, [](Thlavni1& w) { toggleButton(w, IDT_PODTRZENO); }, kNeedsDocument},
    {IDM_ZAROVNATVLEVO, [](Thlavni1& w) { pressAlignment(w, IDT_VLEVO); }, kNeedsDocument},
    {IDM_ZAROVNATNASTRED, [](Thlavni1& w) { pressAlignment(w, IDT_STRED); }, kNeedsDocument},
    {IDM_ZAROVNATVPRAVO, [](Thlavni1& w) { pressAlignment(w, IDT_VPRAVO); }, kNeedsDocument},
};

} // namespace

const CommandList kKeyCommands{kEntries};

} // namespace app
