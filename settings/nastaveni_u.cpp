// settings/nastaveni_u.cpp — the program's settings and their INI form
#include "settings/nastaveni_u.h"

#include "ui/text.h"

#include <climits>

namespace settings {

const char* const kDefaultLanguage = "Čeština";

namespace {

class Reader {
public:
    explicit Reader(const IniDocument& f) : f_(f) {}
    int integer(const char* s, const char* k, int def) const {
        long long v = 0;
        const auto t = f_.get(s, k);
        if (!t || !ui::parseInt(*t, v) || v < INT_MIN || v > INT_MAX) return def;
        return static_cast<int>(v);
    }
    bool boolean(const char* s, const char* k, bool def) const {
        long long v = 0;
        const auto t = f_.get(s, k);
        if (!t || !ui::parseInt(*t, v)) return def;
        return v != 0;
    }
    std::string text(const char* s, const char* k, const char* def) const {
        return f_.get(s, k).value_or(def);
    }
    Color color(const char* s, const char* k, const char* defName, Color def) const {
        return colorFromText(text(s, k, defName)).value_or(def);
    }

private:
    const IniDocument& f_;
};

} // namespace

void TNastaveni::load(const IniDocument* file) {
    *this = TNastaveni{};
    if (!file) return;
    const Reader r(*file);
    const WindowRect dw;
    Okno.Sirka = r.integer("Okno", "Sirka", dw.Sirka);
    Okno.Vyska = r.integer("Okno", "Vyska", dw.Vyska);
    Okno.Levy = r.integer("Okno", "Levy", dw.Levy);
    Okno.Horni = r.integer("Okno", "Horni", dw.Horni);
    const TMaleOkno de;
    Editor.Sirka = r.integer("Editor", "Sirka", de.Sirka);
    Editor.Vyska = r.integer("Editor", "Vyska", de.Vyska);
    Editor.Velikost = r.integer("Editor", "Velikost", de.Velikost);
    Editor.Pismo = r.text("Editor", "Pismo", de.Pismo.c_str());
    Editor.Barva = r.color("Editor", "Barva", "clBlack", de.Barva);
    Editor.Pozadi = r.color("Editor", "Pozadi", "clWhite", de.Pozadi);
    Typ = r.boolean("Nastaveni", "Typ", false);
    Okna = r.boolean("Nastaveni", "Okna", false);
    Pozadi = r.boolean("Nastaveni", "Pozadi", false);
    Zobrazeni = r.boolean("Nastaveni", "Zobrazeni", false);
    Ulozeni = r.boolean("Nastaveni", "Ulozeni", false);
    Standardni = r.boolean("Zobrazeni", "Standardni", true);
    Format = r.boolean("Zobrazeni", "Format", true);
    Stav = r.boolean("Zobrazeni", "Stav", true);
    Interval = r.integer("Ulozeni", "Interval", 0);
    Jazyk = r.text("Jazyk", "JazykovaMutace", "");
    if (Jazyk.empty()) Jazyk = kDefaultLanguage;
}

void TNastaveni::store(IniDocument& f, const WindowRect& current) const {
    const auto num = [](long long v) { return std::to_string(v); };
    const auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
    const WindowRect w = Okna ? current : WindowRect{};
    f.set("Okno", "Sirka", num(w.Sirka));
    f.set("Okno", "Vyska", num(w.Vyska));
    f.set("Okno", "Levy", num(w.Levy));
    f.set("Okno", "Horni", num(w.Horni));
    f.set("Editor", "Sirka", num(Editor.Sirka));
    f.set("Editor", "Vyska", num(Editor.Vyska));
    f.set("Editor", "Velikost", num(Editor.Velikost));
    f.set("Editor", "Pismo", Editor.Pismo);
    f.set("Editor", "Barva", colorToText(Editor.Barva));
    f.set("Editor", "Pozadi", colorToText(Editor.Pozadi));
    f.set("Nastaveni", "Typ", flag(Typ));
    f.set("Nastaveni", "Pozadi", flag(Pozadi));
    f.set("Nastaveni", "Okna", flag(Okna));
    f.set("Nastaveni", "Zobrazeni", flag(Zobrazeni));
    f.set("Nastaveni", "Ulozeni", flag(Ulozeni));
    f.set("Zobrazeni", "Standardni", flag(Standardni));
    f.set("Zobrazeni", "Format", flag(Format));
    f.set("Zobrazeni", "Stav", flag(Stav));
    f.set("Ulozeni", "Interval", num(Interval));
    f.set("Jazyk", "JazykovaMutace", Jazyk);
}

} // namespace settings
