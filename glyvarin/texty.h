// glyvarin/texty.h — the converter texts the library falls back on when the language library
// gives none or too few: the Czech ones, which the Czech language library gives from here too
#pragma once
#include <array>
#include <string_view>

namespace glyvarin {

constexpr std::size_t kTextCount = 14;

// By index: 0/1 missing data file (message, caption), 2/3 grid headers (also the prompts of
// the entry fields), 4/5/6 popup items, 5/7 entry dialog buttons, 8/9 invalid entry, 10/11 OK
// without entries, 12/13 status texts at the start and the end of a conversion.
inline constexpr std::array<std::string_view, kTextCount> kCeskeTexty = {
    "Nebyl nalezen soubor characters.dia s tabulkou převodu znaků. Program se ukončí; "
    "problém vyřešíte opětovnou instalací",
    "Převodník znaků", "Původní znak", "Nový znak", "Přidat", "Upravit", "Smazat", "Přidat",
    "Zadejte právě jeden původní a jeden nový znak.", "Neplatná položka",
    "Tabulka převodu neobsahuje žádnou položku.", "Prázdná tabulka", "Převádím znaky...",
    "Znaky převedeny",
};

} // namespace glyvarin
