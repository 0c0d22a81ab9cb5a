// app/commands_search.cpp — the search commands of the "Úpravy" menu (see commands.h)
#include "app/commands.h"

#include "app/hlavni.h"
#include "app/resource.h"

namespace app {
namespace {

const CommandDef kEntries[] = {
    {IDM_NAJIT, [](Thlavni1& w) { w.search.showFind(w); }, kNeedsDocument},
    {IDM_NAJITDALSI, [](Thlavni1& w) { w.search.again(w, false); }, kNeedsDocument},
    {IDM_NAJITPREDCHOZI, [](Thlavni1& w) { w.search.again(w, true); }, kNeedsDocument},
    {IDM_NAHRADIT, [](Thlavni1& w) { w.search.showReplace(w); }, kNeedsDocument},
};

} // namespace

const CommandList kSearchCommands{kEntries};

} // namespace app
