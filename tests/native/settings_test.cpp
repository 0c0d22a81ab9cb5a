// tests/native/settings_test.cpp — the settings file: defaults, encodings, order, preservation
#include "settings/colors.h"
#include "settings/ini.h"
#include "settings/nastaveni_u.h"
#include "settings/nastaveni_volby.h"

#include <gtest/gtest.h>

#include <climits>

using namespace settings;

TEST(Colors, NamesAndHex) {
    EXPECT_EQ(colorToText(0x000000), "clBlack");
    EXPECT_EQ(colorToText(0xFFFFFF), "clWhite");
    EXPECT_EQ(colorToText(0x563412), "$00563412");
    EXPECT_EQ(colorToText(0xFF000005), "clWindow");
    EXPECT_EQ(colorToText(0xFF000000), "clScrollBar");
    EXPECT_EQ(colorToText(0x20000000), "clDefault");
    EXPECT_EQ(colorFromText("CLWHITE"), Color(0xFFFFFF));
    EXPECT_EQ(colorFromText("clbtnface"), Color(0xFF00000F));
    EXPECT_EQ(colorFromText("$00563412"), Color(0x563412));
    EXPECT_EQ(colorFromText("255"), Color(255));
    EXPECT_EQ(colorFromText("nonsense"), std::nullopt);
    // every value survives a round trip through its text
    for (Color c : {0x0u, 0x123456u, 0xFF00001Eu, 0x1FFFFFFFu, 0xFFFFFFFFu, 0x80000000u})
        EXPECT_EQ(colorFromText(colorToText(c)), c) << colorToText(c);
}

TEST(Ini, KeepsForeignLinesAndReplacesInPlace) {
    IniDocument doc("; comment\r\n[Jine]\r\nx=1\r\n\r\n[okno]\r\nsirka = 100\r\n");
    EXPECT_EQ(doc.get("Okno", "Sirka"), "100");
    EXPECT_EQ(doc.get("OKNO", "SIRKA"), "100");
    EXPECT_EQ(doc.get("Okno", "Vyska"), std::nullopt);
    doc.set("Okno", "Sirka", "643");
    doc.set("Okno", "Vyska", "664");
    doc.set("Jine", "y", "2");
    doc.set("Nova", "k", "v");
    EXPECT_EQ(doc.text(), "; comment\r\n[Jine]\r\nx=1\r\ny=2\r\n\r\n[okno]\r\nsirka=643\r\nVyska=664\r\n"
                          "[Nova]\r\nk=v\r\n");
    EXPECT_EQ(IniDocument("a=1\n[s]\nb=2").get("s", "b"), "2"); // LF only, no final line break
}

TEST(Settings, FirstRunDefaults) {
    TNastaveni s;
    s.Jazyk = "x";
    s.load(nullptr);
    EXPECT_EQ(s.Okno.Sirka, 643);
    EXPECT_EQ(s.Okno.Vyska, 664);
    EXPECT_EQ(s.Okno.Levy, 277);
    EXPECT_EQ(s.Okno.Horni, 48);
    EXPECT_EQ(s.Editor.Sirka, 495);
    EXPECT_EQ(s.Editor.Vyska, 381);
    EXPECT_EQ(s.Editor.Pismo, "Times New Roman");
    EXPECT_EQ(s.Editor.Velikost, 12);
    EXPECT_EQ(s.Editor.Barva, kBlack);
    EXPECT_EQ(s.Editor.Pozadi, kWhite);
    EXPECT_TRUE(s.Standardni && s.Format && s.Stav);
    EXPECT_FALSE(s.Typ || s.Pozadi || s.Okna || s.Zobrazeni || s.Ulozeni);
    EXPECT_EQ(s.Interval, 0);
    EXPECT_EQ(s.Jazyk, ""); // without a file the language is empty, not the default name
}

TEST(Settings, ReadingValues) {
    const IniDocument f("[Nastaveni]\nTyp=2\nOkna=yes\nPozadi=0\n[Editor]\nBarva=CLRED\nPozadi=junk\n"
                        "Velikost=abc\n[Jazyk]\nJazykovaMutace=\n[Ulozeni]\nInterval=60000\n");
    TNastaveni s;
    s.load(&f);
    EXPECT_TRUE(s.Typ);           // any non-zero integer is true
    EXPECT_FALSE(s.Okna);         // non-numeric: the default
    EXPECT_EQ(s.Editor.Barva, Color(0x0000FF));
    EXPECT_EQ(s.Editor.Pozadi, kWhite); // not a colour: the default
    EXPECT_EQ(s.Editor.Velikost, 12);
    EXPECT_EQ(s.Jazyk, kDefaultLanguage); // empty language key gives "Čeština"
    EXPECT_EQ(s.Interval, 60000);
}

TEST(Settings, StoreOrderAndGeometryRule) {
    TNastaveni s;
    s.load(nullptr);
    s.Jazyk = "Čeština";
    s.Editor.Barva = 0x563412;
    IniDocument f;
    s.store(f, {800, 600, 10, 20});
    const std::string expected =
        "[Okno]\r\nSirka=643\r\nVyska=664\r\nLevy=277\r\nHorni=48\r\n"
        "[Editor]\r\nSirka=495\r\nVyska=381\r\nVelikost=12\r\nPismo=Times New Roman\r\nBarva=$00563412\r\n"
        "Pozadi=clWhite\r\n"
        "[Nastaveni]\r\nTyp=0\r\nPozadi=0\r\nOkna=0\r\nZobrazeni=0\r\nUlozeni=0\r\n"
        "[Zobrazeni]\r\nStandardni=1\r\nFormat=1\r\nStav=1\r\n"
        "[Ulozeni]\r\nInterval=0\r\n"
        "[Jazyk]\r\nJazykovaMutace=Čeština\r\n";
    EXPECT_EQ(f.text(), expected); // with Okna off the geometry is always the defaults
    s.Okna = true;
    s.store(f, {800, 600, -10, 20});
    TNastaveni back;
    back.load(&f);
    EXPECT_EQ(back.Okno.Sirka, 800);
    EXPECT_EQ(back.Okno.Levy, -10);
    EXPECT_TRUE(back.Okna);
    EXPECT_EQ(back.Editor.Barva, Color(0x563412));
    EXPECT_EQ(back.Jazyk, "Čeština");
}

// Every value goes to the file and comes back into the same member: a key read into one field
// and written from another, or left out of either, shows here.
TEST(Settings, EveryValueSurvivesStoreAndLoad) {
    TNastaveni s;
    s.Typ = s.Pozadi = s.Okna = s.Zobrazeni = s.Ulozeni = true;
    s.Standardni = s.Format = s.Stav = false;
    s.Editor = TMaleOkno{501, 402, 17, "Arial", 0x010203, 0x0A0B0C};
    s.Jazyk = "English";
    s.Interval = 123456;
    IniDocument f;
    const WindowRect geometry{900, 700, -5, 33};
    s.store(f, geometry);
    TNastaveni back;
    back.load(&f);
    s.Okno = geometry; // with Okna on, the geometry written is the window's own
    EXPECT_EQ(back, s) << f.text();
    // and a second store of what was read writes the same file
    IniDocument again;
    back.store(again, geometry);
    EXPECT_EQ(again.text(), f.text());
}

// --- the settings dialog's values

TEST(SettingsDialogValues, IntervalShownInWholeMinutesWithinTheFieldsRange) {
    const struct { int ms; int minutes; } cases[] = {
        {90000, 1}, {0, 1}, {59999, 1}, {180000, 3}, {6000000, 100}, {6059999, 100},
        {7000000, 100},
        {-1, 100}, // taken as unsigned: 4294967295 ms is far above the range, not below it
        {INT_MIN, 100},
    };
    for (const auto& c : cases) EXPECT_EQ(intervalToMinutes(c.ms), c.minutes) << c.ms;
    const struct { const char* text; int minutes; } texts[] = {
        {"3", 3}, {"100", 100}, {"101", 100}, {"0", 1}, {"", 1}, {"abc", 1}, {"3a", 1},
        {"-5", 1}, {"+7", 7}, {"99999999999999999999999", 100}, {"$10", 1}, {" 5", 1},
    };
    for (const auto& t : texts) EXPECT_EQ(minutesFromText(t.text), t.minutes) << t.text;
}

TEST(SettingsDialogValues, OpeningShowsTheSettingsAndOkWithNothingChangedKeepsThem) {
    TNastaveni s;
    s.Zobrazeni = true; // the only flag set
    s.Standardni = false;
    s.Jazyk = "English";
    s.Interval = 90000; // backup copies off: the field shows 1 and Ok keeps the interval
    const Volby v = volbyFrom(s);
    EXPECT_TRUE(v.zobrazeni);
    EXPECT_FALSE(v.typ || v.pozadi || v.okna || v.ulozeni);
    EXPECT_EQ(v.minuty, 1);
    EXPECT_EQ(v.jazyk, "English");
    TNastaveni after = s;
    applyVolby(after, v, {.standard = false, .format = true, .status = true});
    EXPECT_EQ(after, s);

    s.Ulozeni = true;
    s.Interval = 0;
    EXPECT_EQ(volbyFrom(s).minuty, 1);
    s.Interval = 420000;
    EXPECT_EQ(volbyFrom(s).minuty, 7);
}

TEST(SettingsDialogValues, OkResetsWhatAnUncheckedBoxNoLongerKeeps) {
    TNastaveni custom;
    custom.Editor = {600, 400, 20, "Arial", 0x123456, 0x00EEDDCC};
    custom.Okno = {800, 700, 10, 20};
    custom.Standardni = custom.Format = custom.Stav = false;
    custom.Interval = 90000;
    const TNastaveni d;
    const BarsShown bars{.standard = false, .format = true, .status = false};
    const struct { Volby v; TMaleOkno editor; WindowRect okno; bool standard, format, status; int interval; } cases[] = {
        // nothing kept: every default, the bars shown at the next start
        {{}, d.Editor, d.Okno, true, true, true, 90000},
        // everything kept: the values stay, the bars as the window shows them now
        {{true, true, true, true, true, 3, "x"}, custom.Editor, custom.Okno, false, true, false, 180000},
        // only the font: the background and the sizes go back
        {{.typ = true, .jazyk = "Čeština"}, {d.Editor.Sirka, d.Editor.Vyska, 20, "Arial", 0x123456, d.Editor.Pozadi}, d.Okno,
         true, true, true, 90000},
        // only the sizes
        {{.okna = true, .jazyk = ""}, {600, 400, 12, "Times New Roman", kBlack, kWhite}, custom.Okno, true, true, true, 90000},
        // only the background
        {{.pozadi = true, .jazyk = "English"}, {495, 381, 12, "Times New Roman", kBlack, 0x00EEDDCC}, d.Okno, true, true, true, 90000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.v.typ << c.v.pozadi << c.v.okna << c.v.zobrazeni << c.v.ulozeni);
        TNastaveni s = custom;
        applyVolby(s, c.v, bars);
        EXPECT_EQ(s.Editor, c.editor);
        EXPECT_EQ(s.Okno, c.okno);
        EXPECT_EQ(s.Standardni, c.standard);
        EXPECT_EQ(s.Format, c.format);
        EXPECT_EQ(s.Stav, c.status);
        EXPECT_EQ(s.Interval, c.interval);
        EXPECT_EQ(s.Ulozeni, c.v.ulozeni);
        EXPECT_EQ(s.Typ, c.v.typ);
        EXPECT_EQ(s.Pozadi, c.v.pozadi);
        EXPECT_EQ(s.Okna, c.v.okna);
        EXPECT_EQ(s.Jazyk, c.v.jazyk);
    }
}
