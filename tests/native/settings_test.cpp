// tests/native/settings_test.cpp — the settings file: defaults, encodings, order, preservation
#include "settings/colors.h"
#include "settings/ini.h"
#include "settings/nastaveni_u.h"

#include <gtest/gtest.h>

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
