// settings/nastaveni_volby.h — what the settings dialog shows and what its Ok writes, apart
// from the dialog's window (no Win32 needed)
#pragma once
#include "settings/nastaveni_u.h"

#include <string>
#include <string_view>

namespace settings {

// The interval field's range, in minutes.
constexpr int kMinMinutes = 1;
constexpr int kMaxMinutes = 100;
constexpr int kMsPerMinute = 60000;

// What the dialog's controls hold.
struct Volby {
    bool typ = false;       // CheckBox1
    bool pozadi = false;    // CheckBox2
    bool okna = false;      // CheckBox3
    bool zobrazeni = false; // CheckBox4
    bool ulozeni = false;   // CheckBox5
    int minuty = kMinMinutes; // SpinEdit1
    std::string jazyk;      // the text of the language list
};

// Whether the main window shows its standard tool bar, formatting tool bar and status bar.
struct BarsShown {
    bool standard = true, format = true, status = true;
};

// A backup interval in milliseconds as whole minutes for the field: taken as unsigned,
// truncated, then brought into 1..100.
int intervalToMinutes(int intervalMs);
// The field's text as minutes: a text that is not a whole number reads as 1; a number outside
// 1..100 is brought to the nearer bound.
int minutesFromText(std::string_view text);

// The controls as the dialog opens on `s` (the language list is filled separately).
Volby volbyFrom(const TNastaveni& s);
// Ok: writes the choices into `s`. A box left unchecked resets what it would have kept (font,
// background, window sizes); with the view unremembered the three bars are stored shown; with
// backup copies off the interval keeps its value.
void applyVolby(TNastaveni& s, const Volby& v, BarsShown bars);

} // namespace settings
