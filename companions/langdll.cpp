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
__declspec(dllexport) const char* jazykovaMutace(void) { return companion::texts().name.c_str(); }
__declspec(dllexport) void dejStringy(lang* s) { give(s, companion::texts().strings); }
__declspec(dllexport) void dejMenu(lang* s) { give(s, companion::texts().menu); }
__declspec(dllexport) void dejHint(lang* s) { give(s, companion::texts().hints); }
__declspec(dllexport) void dejSaveOpenDialog(lang* s) { give(s, companion::texts().fileFilter); }
__declspec(dllexport) void dejNastaveni(lang* s) { give(s, companion::texts().settings); }
__declspec(dllexport) void dejOProgramu(lang* s) { give(s, companion::texts().about); }
__declspec(dllexport) void dejSplash(lang* s) { give(s, companion::texts().splash); }
__declspec(dllexport) void dejPrevodnik(lang* s) { give(s, companion::texts().converter); }
}
