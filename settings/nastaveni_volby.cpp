// settings/nastaveni_volby.cpp — what the settings dialog shows and what its Ok writes
#include "settings/nastaveni_volby.h"

#include <algorithm>
#include <cstdint>

namespace settings {

int intervalToMinutes(int intervalMs) {
    const std::uint32_t minutes = static_cast<std::uint32_t>(intervalMs) / kMsPerMinute;
    return static_cast<int>(std::clamp<std::uint32_t>(minutes, kMinMinutes, kMaxMinutes));
}

int minutesFromText(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return kMinMinutes;
    long long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return kMinMinutes;
        v = std::min<long long>(v * 10 + (c - '0'), kMaxMinutes + 1); // a long number stays a number
    }
    return negative ? kMinMinutes : static_cast<int>(std::clamp<long long>(v, kMinMinutes, kMaxMinutes));
}

Volby volbyFrom(const TNastaveni& s) {
    Volby v;
    v.typ = s.Typ;
    v.pozadi = s.Pozadi;
    v.okna = s.Okna;
    v.zobrazeni = s.Zobrazeni;
    v.ulozeni = s.Ulozeni;
    if (s.Ulozeni) v.minuty = intervalToMinutes(s.Interval);
    v.jazyk = s.Jazyk;
    return v;
}

void applyVolby(TNastaveni& s, const Volby& v, BarsShown bars) {
    s.Typ = v.typ;
    s.Pozadi = v.pozadi;
    s.Okna = v.okna;
    const TNastaveni defaults;
    if (!v.typ) {
        s.Editor.Pismo = defaults.Editor.Pismo;
        s.Editor.Velikost = defaults.Editor.Velikost;
        s.Editor.Barva = defaults.Editor.Barva;
    }
    if (!v.pozadi) s.Editor.Pozadi = defaults.Editor.Pozadi;
    if (!v.okna) {
        s.Editor.Sirka = defaults.Editor.Sirka;
        s.Editor.Vyska = defaults.Editor.Vyska;
        s.Okno = defaults.Okno;
    }
    s.Zobrazeni = v.zobrazeni;
    s.Standardni = !v.zobrazeni || bars.standard;
    s.Format = !v.zobrazeni || bars.format;
    s.Stav = !v.zobrazeni || bars.status;
    if (v.ulozeni) s.Interval = std::clamp(v.minuty, kMinMinutes, kMaxMinutes) * kMsPerMinute;
    s.Ulozeni = v.ulozeni;
    s.Jazyk = v.jazyk;
}

} // namespace settings
