// companions/langdll.cpp — the exports every language library has, over its texts()
#include <windows.h>

#include "companions/langdll.h"
#include "lang/langabi.h"
#include "lang/listblock.h"

namespace {

void* heapAlloc(std::size_t bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes); }

void give(lang* slot, const std::vector<std::string>& list) {
    if (!slot) return;
    try {
        slot->entries = language::buildBlock(list, heapAlloc);
    } catch (...) {
        slot->entries = nullptr;
    }
}

} // namespace

extern "C" {
const char* jazykovaMutace(void) { return companion::texts().name.c_str(); }
void dejStringy(lang* s) { give(s, companion::texts().strings); }
void dejMenu(lang* s) { give(s, companion::texts().menu); }
void dejHint(lang* s) { give(s, companion::texts().hints); }
void dejSaveOpenDialog(lang* s) { give(s, companion::texts().fileFilter); }
void dejNastaveni(lang* s) { give(s, companion::texts().settings); }
void dejOProgramu(lang* s) { give(s, companion::texts().about); }
void dejSplash(lang* s) { give(s, companion::texts().splash); }
void dejPrevodnik(lang* s) { give(s, companion::texts().converter); }
void dejMenuDalsi(lang* s) { give(s, companion::texts().extra); }
}
