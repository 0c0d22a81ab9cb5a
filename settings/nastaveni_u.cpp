// settings/nastaveni_u.cpp — the program's settings and their INI form
#include "settings/nastaveni_u.h"

#include "ui/text.h"

#include <climits>
#include <variant>

namespace settings {

const char* const kDefaultLanguage = "Čeština";

namespace {

// One member of the settings, reached through a function so that nested records work too.
template <class T> using Member = T& (*)(TNastaveni&);
using Field = std::variant<Member<int>, Member<bool>, Member<std::string>, Member<Color>>;

struct Key {
    const char* section;
    const char* key;
    Field field; // its default is the member's value in a default-constructed TNastaveni
};

// Every value of the settings file, in the order the file is written.
const Key kKeys[] = {
    {"Okno", "Sirka", +[](TNastaveni& n) -> int& { return n.Okno.Sirka; }},
    {"Okno", "Vyska", +[](TNastaveni& n) -> int& { return n.Okno.Vyska; }},
    {"Okno", "Levy", +[](TNastaveni& n) -> int& { return n.Okno.Levy; }},
    {"Okno", "Horni", +[](TNastaveni& n) -> int& { return n.Okno.Horni; }},
    {"Editor", "Sirka", +[](TNastaveni& n) -> int& { return n.Editor.Sirka; }},
    {"Editor", "Vyska", +[](TNastaveni& n) -> int& { return n.Editor.Vyska; }},
    {"Editor", "Velikost", +[](TNastaveni& n) -> int& { return n.Editor.Velikost; }},
    {"Editor", "Pismo", +[](TNastaveni& n) -> std::string& { return n.Editor.Pismo; }},
    {"Editor", "Barva", +[](TNastaveni& n) -> Color& { return n.Editor.Barva; }},
    {"Editor", "Pozadi", +[](TNastaveni& n) -> Color& { return n.Editor.Pozadi; }},
    {"Nastaveni", "Typ", +[](TNastaveni& n) -> bool& { return n.Typ; }},
    {"Nastaveni", "Pozadi", +[](TNastaveni& n) -> bool& { return n.Pozadi; }},
    {"Nastaveni", "Okna", +[](TNastaveni& n) -> bool& { return n.Okna; }},
    {"Nastaveni", "Zobrazeni", +[](TNastaveni& n) -> bool& { return n.Zobrazeni; }},
    {"Nastaveni", "Ulozeni", +[](TNastaveni& n) -> bool& { return n.Ulozeni; }},
    {"Zobrazeni", "Standardni", +[](TNastaveni& n) -> bool& { return n.Standardni; }},
    {"Zobrazeni", "Format", +[](TNastaveni& n) -> bool& { return n.Format; }},
    {"Zobrazeni", "Stav", +[](TNastaveni& n) -> bool& { return n.Stav; }},
    {"Ulozeni", "Interval", +[](TNastaveni& n) -> int& { return n.Interval; }},
    {"Jazyk", "JazykovaMutace", +[](TNastaveni& n) -> std::string& { return n.Jazyk; }},
};

// A value of the file as the member's type; nothing for a malformed value.
std::optional<int> parse(const std::string& t, int*) {
    long long v = 0;
    if (!ui::parseInt(t, v) || v < INT_MIN || v > INT_MAX) return std::nullopt;
    return static_cast<int>(v);
}
std::optional<bool> parse(const std::string& t, bool*) {
    long long v = 0;
    if (!ui::parseInt(t, v)) return std::nullopt;
    return v != 0;
}
std::optional<std::string> parse(const std::string& t, std::string*) { return t; }
std::optional<Color> parse(const std::string& t, Color*) { return colorFromText(t); }

std::string format(int v) { return std::to_string(v); }
std::string format(bool v) { return v ? "1" : "0"; }
std::string format(const std::string& v) { return v; }
std::string format(Color v) { return colorToText(v); }

} // namespace

void TNastaveni::load(const IniDocument* file) {
    *this = TNastaveni{};
    if (!file) return;
    for (const Key& k : kKeys) {
        const auto text = file->get(k.section, k.key);
        if (!text) continue; // a missing value keeps its default
        std::visit(
            [&](auto member) {
                auto& value = member(*this);
                if (auto v = parse(*text, &value)) value = std::move(*v);
            },
            k.field);
    }
    if (Jazyk.empty()) Jazyk = kDefaultLanguage;
}

void TNastaveni::store(IniDocument& f, const WindowRect& current) const {
    TNastaveni written = *this;
    written.Okno = Okna ? current : WindowRect{};
    for (const Key& k : kKeys)
        std::visit([&](auto member) { f.set(k.section, k.key, format(member(written))); }, k.field);
}

} // namespace settings
