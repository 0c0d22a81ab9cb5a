// companions/langdll.h — the texts one language library gives; each library defines texts()
#pragma once
#include <string>
#include <vector>

namespace companion {

struct LanguageTexts {
    std::string name;                    // jazykovaMutace
    std::vector<std::string> strings;    // dejStringy
    std::vector<std::string> menu;       // dejMenu
    std::vector<std::string> hints;      // dejHint
    std::vector<std::string> fileFilter; // dejSaveOpenDialog
    std::vector<std::string> settings;   // dejNastaveni
    std::vector<std::string> about;      // dejOProgramu
    std::vector<std::string> splash;     // dejSplash
    std::vector<std::string> converter;  // dejPrevodnik
    std::vector<std::string> extra;      // dejMenuDalsi
};

const LanguageTexts& texts();

} // namespace companion
