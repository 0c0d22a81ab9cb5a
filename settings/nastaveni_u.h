// settings/nastaveni_u.h — the program's settings and their INI form
#pragma once
#include "settings/cls_proc.h"
#include "settings/ini.h"

#include <string>

namespace settings {

struct WindowRect {
    int Sirka = 643, Vyska = 664, Levy = 277, Horni = 48;
    bool operator==(const WindowRect&) const = default;
};

class TNastaveni {
public:
    bool Typ = false;
    bool Pozadi = false;
    bool Okna = false;
    bool Zobrazeni = false;
    bool Ulozeni = false;
    WindowRect Okno;
    TMaleOkno Editor;
    bool Standardni = true;
    bool Format = true;
    bool Stav = true;
    std::string Jazyk;
    int Interval = 0;

    // Reads every value from the document; a missing or malformed value takes its default.
    // Without a document (no settings file) only the defaults hold and Jazyk stays empty.
    void load(const IniDocument* file);
    // Writes every key in the fixed order; `current` is the main window's geometry, written
    // only when Okna is on (else the defaults go to the file).
    void store(IniDocument& file, const WindowRect& current) const;

    bool operator==(const TNastaveni&) const = default;
};

// "Čeština", the language of a settings file that names none.
extern const char* const kDefaultLanguage;

} // namespace settings
