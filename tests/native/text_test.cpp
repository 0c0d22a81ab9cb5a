// tests/native/text_test.cpp — path pieces, the error full stop and number parsing
#include "ui/text.h"

#include <gtest/gtest.h>

TEST(Text, FullStopRule) {
    const struct { std::string in, out; } cases[] = {
        {"Nelze uložit", "Nelze uložit."}, {"Hotovo.", "Hotovo."}, {"Chyba!", "Chyba!"},
        {"", ""}, {"konec \xE8", "konec \xE8."}, // a byte above 0x7F: catches a signed compare
        {"a-", "a-"}, {"a/", "a/."},
    };
    for (const auto& c : cases) EXPECT_EQ(ui::withFullStop(c.in), c.out) << c.in;
}

TEST(Text, PathPieces) {
    EXPECT_EQ(ui::baseName("C:\\dir\\a.rtf"), "a.rtf");
    EXPECT_EQ(ui::baseName("C:a.rtf"), "a.rtf");
    EXPECT_EQ(ui::baseName("a.rtf"), "a.rtf");
    EXPECT_EQ(ui::folderOf("C:\\dir\\a.rtf"), "C:\\dir\\");
    EXPECT_EQ(ui::folderOf("a.rtf"), "");
    // the extension starts at the last dot after the last separator
    EXPECT_EQ(ui::extensionOf("C:\\d.ir\\copy.bcp"), ".bcp");
    EXPECT_EQ(ui::extensionOf("C:\\d.ir\\noext"), "");
    EXPECT_EQ(ui::extensionOf("x.tar.BCP"), ".BCP");
    EXPECT_EQ(ui::withExtension("C:\\p\\Notavo.exe", ".ini"), "C:\\p\\Notavo.ini");
    EXPECT_EQ(ui::withExtension("C:\\p.d\\Notavo", ".ini"), "C:\\p.d\\Notavo.ini");
}

TEST(Text, ParseInt) {
    long long v = 0;
    EXPECT_TRUE(ui::parseInt("643", v));
    EXPECT_EQ(v, 643);
    EXPECT_TRUE(ui::parseInt("-5", v));
    EXPECT_EQ(v, -5);
    EXPECT_TRUE(ui::parseInt("$00563412", v));
    EXPECT_EQ(v, 0x563412);
    EXPECT_TRUE(ui::parseInt("$FF000005", v));
    EXPECT_EQ(v, 0xFF000005LL);
    for (const char* bad : {"", "yes", "12x", "$", "$-1", " 5", "+", "1.5"}) EXPECT_FALSE(ui::parseInt(bad, v)) << bad;
}

TEST(Text, CaseInsensitiveNames) {
    EXPECT_TRUE(ui::equalsNoCase("JazykovaMutace", "JAZYKOVAMUTACE"));
    EXPECT_FALSE(ui::equalsNoCase("Okno", "Okna"));
    EXPECT_FALSE(ui::equalsNoCase("\xC8", "\xE8")); // only ASCII letters fold
}
