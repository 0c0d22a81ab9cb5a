// tests/win/badlang.cpp — language libraries whose code does what must not end the program, one
// wrong thing each (BADLANG_...): a list count beyond its block, a list whose count runs past
// its texts into pointers to nowhere, an export that faults, a display name in memory that
// cannot be read, an export that never comes back. Everything else is a complete library
// named "Vadná", the language the tests' settings ask for.
#include <windows.h>

#include "lang/langabi.h"
#include "lang/listblock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

void* heapAlloc(std::size_t bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes); }

std::vector<std::string> texts(std::size_t n, const char* text) { return std::vector<std::string>(n, text); }

void give(lang* slot, const std::vector<std::string>& list) { slot->entries = language::buildBlock(list, heapAlloc); }

std::int32_t& countOf(const char* const* first) {
    return *reinterpret_cast<std::int32_t*>(const_cast<char*>(reinterpret_cast<const char*>(first)) - 4);
}

// Nothing is mapped at the lowest 64 KB of an address space.
const char* const kNowhere = reinterpret_cast<const char*>(std::uintptr_t{0x100});

} // namespace

extern "C" {

const char* jazykovaMutace(void) {
#ifdef BADLANG_NAME
    return kNowhere;
#else
    return "Vadná";
#endif
}

void dejMenu(lang* s) {
    give(s, texts(35, "Menu"));
#ifdef BADLANG_OVERCOUNT
    countOf(s->entries) = 5000; // the block holds 35 pointers
#endif
}

void dejStringy(lang* s) {
#ifdef BADLANG_WILD
    // the block has room for 22 pointers, but only 18 texts: the last 4 point nowhere
    std::vector<std::string> t = texts(22, "Text");
    give(s, t);
    for (int i = 18; i < 22; ++i) const_cast<const char**>(s->entries)[i] = kNowhere;
#else
    give(s, texts(18, "Text"));
#endif
}

void dejHint(lang* s) {
#ifdef BADLANG_FAULT
    *static_cast<volatile int*>(nullptr) = 1; // an access violation
#endif
    give(s, texts(19, "Tip"));
}

void dejSaveOpenDialog(lang* s) {
#ifdef BADLANG_HANG
    for (;;) Sleep(100);
#endif
    give(s, {"A|*.rtf|B|*.txt"});
}

void dejNastaveni(lang* s) { give(s, texts(7, "N")); }
void dejOProgramu(lang* s) { give(s, {"V", "Z"}); }
void dejSplash(lang* s) { give(s, {"Vadná "}); }
void dejPrevodnik(lang* s) { give(s, texts(14, "P")); }
void dejMenuDalsi(lang* s) { give(s, {}); }
}
