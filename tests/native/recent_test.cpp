// tests/native/recent_test.cpp — the recent files: order, repeats, the limit, their section of
// the settings file
#include "settings/recent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace settings;

namespace {
using Paths = std::vector<std::string>;

RecentFiles added(const Paths& in) {
    RecentFiles r;
    for (const auto& p : in) r.add(p);
    return r;
}
} // namespace

// Windows compares paths without regard to case, its code page's letters included; a compare
// of ASCII only would keep "Č" and "č" apart, one of bytes would keep "X" and "x" apart.
TEST(Recent, SamePathAsWindowsComparesIt) {
    const struct { std::string a, b; bool same; } cases[] = {
        {"C:\\Dopisy\\a.txt", "c:\\DOPISY\\A.TXT", true},
        {"C:\\\xC8\x8Aitn\xED.rtf", "C:\\\xE8\x9Aitn\xCD.rtf", true}, // Čšitní / čŠitNÍ
        {"C:\\\x8E\xEF\xB3\xB9\xBE.txt", "C:\\\x9E\xCF\xA3\xA5\xBC.txt", true}, // žďłąľ / ŽĎŁĄĽ
        {"C:/Dopisy/a.txt", "C:\\Dopisy\\a.txt", true},
        {"C:\\a.txt", "C:\\b.txt", false},
        {"C:\\a.txt", "C:\\a.txt ", false},
        {"C:\\\xD7", "C:\\\xF7", false}, // × and ÷ are no letter pair
        {"C:\\\xDF", "C:\\\xFF", false}, // ß has no capital in the code page
        {"C:\\\x9B", "C:\\\x8B", false}, // nor do the angle quotes
    };
    for (const auto& c : cases) {
        EXPECT_EQ(samePath(c.a, c.b), c.same) << c.a << " / " << c.b;
        EXPECT_EQ(samePath(c.b, c.a), c.same) << c.b << " / " << c.a;
    }
}

TEST(Recent, NewestFirstOnceEachAtMostEight) {
    const struct { const char* what; Paths adds; Paths expected; } cases[] = {
        {"newest first", {"C:\\a", "C:\\b", "C:\\c"}, {"C:\\c", "C:\\b", "C:\\a"}},
        {"a file again moves to the top", {"C:\\a", "C:\\b", "C:\\c", "C:\\a"}, {"C:\\a", "C:\\c", "C:\\b"}},
        {"spelt otherwise it is the same file, in its newest spelling",
         {"C:\\x\\A.TXT", "C:\\b", "c:/X/a.txt"}, {"c:/X/a.txt", "C:\\b"}},
        {"an empty path is no file", {"C:\\a", ""}, {"C:\\a"}},
        {"the ninth pushes the oldest out",
         {"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5", "C:\\6", "C:\\7", "C:\\8", "C:\\9", "C:\\10"},
         {"C:\\10", "C:\\9", "C:\\8", "C:\\7", "C:\\6", "C:\\5", "C:\\4", "C:\\3"}},
        {"at the limit a listed file moves up and none goes",
         {"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5", "C:\\6", "C:\\7", "C:\\8", "C:\\1"},
         {"C:\\1", "C:\\8", "C:\\7", "C:\\6", "C:\\5", "C:\\4", "C:\\3", "C:\\2"}},
    };
    for (const auto& c : cases) EXPECT_EQ(added(c.adds).paths(), c.expected) << c.what;

    RecentFiles r = added({"C:\\a", "C:\\b", "C:\\c"});
    EXPECT_TRUE(r.remove("c:\\B")); // a file gone from the disk, found as Windows finds it
    EXPECT_EQ(r.paths(), (Paths{"C:\\c", "C:\\a"}));
    EXPECT_FALSE(r.remove("C:\\b"));
    EXPECT_EQ(r.paths(), (Paths{"C:\\c", "C:\\a"}));
}

// The list's section goes where the file has it, or at the end; every other line of the file
// stays as it was, and the list reads back as it was written.
TEST(Recent, SettingsFileRoundTripLeavesTheRestAlone) {
    const std::string before = "; moje poznamka\r\n[Okno]\r\nSirka=700\r\n\r\n[Posledni]\r\nSoubor1=C:\\stary.txt\r\n"
                               "Jiny=ponechat\r\n\r\n[Jazyk]\r\nJazykovaMutace=English\r\n";
    IniDocument file(before);
    const RecentFiles r = added({"C:\\a.rtf", "D:\\Dopisy\\b & c.txt"});
    r.store(file);
    EXPECT_EQ(file.text(), "; moje poznamka\r\n[Okno]\r\nSirka=700\r\n\r\n[Posledni]\r\n"
                           "Soubor1=D:\\Dopisy\\b & c.txt\r\nJiny=ponechat\r\nSoubor2=C:\\a.rtf\r\n"
                           "Soubor3=\r\nSoubor4=\r\nSoubor5=\r\nSoubor6=\r\nSoubor7=\r\nSoubor8=\r\n"
                           "\r\n[Jazyk]\r\nJazykovaMutace=English\r\n");
    RecentFiles back;
    back.load(IniDocument(file.text()));
    EXPECT_EQ(back, r);

    // a shorter list leaves no entry of the longer one behind
    added({"C:\\jen.txt"}).store(file);
    back.load(IniDocument(file.text()));
    EXPECT_EQ(back.paths(), Paths{"C:\\jen.txt"});

    // a file without the section: a list of none, and one written at the end
    IniDocument other("[Okno]\r\nSirka=700\r\n");
    back.load(other);
    EXPECT_TRUE(back.empty());
    r.store(other);
    EXPECT_EQ(other.text().rfind("[Okno]\r\nSirka=700\r\n[Posledni]\r\nSoubor1=D:\\", 0), 0u);
}

// A file edited by hand: keys in any order, gaps, repeats and keys beyond the eighth.
TEST(Recent, LoadsInKeyOrderSkippingGapsAndRepeats) {
    RecentFiles r;
    r.load(IniDocument("[posledni]\r\nSOUBOR3=C:\\c\r\nSoubor1=C:\\a\r\nSoubor2=\r\nSoubor4=c:\\A\r\n"
                       "Soubor5=C:\\e\r\nSoubor9=C:\\navic\r\n"));
    EXPECT_EQ(r.paths(), (Paths{"C:\\a", "C:\\c", "C:\\e"}));
}
