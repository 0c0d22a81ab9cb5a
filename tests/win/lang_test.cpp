// tests/win/lang_test.cpp — the language libraries as real DLLs: their lists, and libraries
// that go wrong
#include "lang/library.h"
#include "tests/win/support.h"
#include "ui/files.h"

using namespace test;

TEST(LanguageLibraries, CompanionsGiveEveryList) {
    for (const char* file : {"lang.cs.dll", "lang.en.dll"}) {
        SCOPED_TRACE(file);
        const language::Library lib(testFolder() + file);
        ASSERT_TRUE(lib.loaded());
        const auto texts = language::readMainTexts(testFolder() + file);
        ASSERT_TRUE(texts);
        EXPECT_EQ(texts->menu.size(), 35u);
        EXPECT_EQ(texts->strings.size(), 18u);
        EXPECT_EQ(texts->hints.size(), 19u);
        // the program reads formatted text as filter 1 and plain text as filter 2
        EXPECT_NE(texts->filter.find("*.rtf"), std::string::npos);
        EXPECT_LT(texts->filter.find("*.rtf"), texts->filter.find("*.txt"));
        EXPECT_TRUE(lib.list("dejNastaveni", 7));
        EXPECT_TRUE(lib.list("dejOProgramu", 2));
        EXPECT_TRUE(lib.list("dejPrevodnik", 14));
        for (const auto& s : texts->strings) EXPECT_FALSE(s.empty());
    }
    EXPECT_EQ(language::Library(testFolder() + "lang.cs.dll").displayName(), "Čeština");
    EXPECT_EQ(language::Library(testFolder() + "lang.en.dll").displayName(), "English");
}

TEST(LanguageLibraries, BrokenOnesAreUnusableNotFatal) {
    EXPECT_FALSE(language::readMainTexts(testFolder() + "lang.a-short.dll")); // 3 menu captions
    const language::Library noName(testFolder() + "lang.b-noname.dll");
    ASSERT_TRUE(noName.loaded());
    EXPECT_EQ(noName.displayName(), std::nullopt);
    EXPECT_FALSE(language::Library(testFolder() + "no-such.dll").loaded());
    EXPECT_EQ(language::Library(testFolder() + "no-such.dll").list("dejMenu", 0), std::nullopt);
}

TEST(LanguageLibraries, SearchIsSortedAndInTheGivenFolder) {
    const auto found = language::findLibraries(testFolder());
    ASSERT_GE(found.size(), 4u);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
    for (const auto& f : found) EXPECT_EQ(f.rfind(testFolder(), 0), 0u) << f;
}

// The newer texts come from the optional "dejMenuDalsi"; a library without it, or with fewer
// entries, is completed with the Czech texts instead of being refused.
TEST(LanguageLibraries, NewerTextsFallBackToCzechWhereALibraryLacksThem) {
    const auto& czech = language::czechExtraTexts();
    ASSERT_EQ(czech.size(), language::kExtraTextCount);
    const struct { const char* file; bool own; } cases[] = {
        {"lang.cs.dll", false}, {"lang.en.dll", true},
        {"lang.b-noname.dll", false}, // no such export
        {"planted.dll", false},       // the export gives an empty list
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto texts = language::readMainTexts(testFolder() + c.file);
        ASSERT_TRUE(texts);
        ASSERT_EQ(texts->extra.size(), language::kExtraTextCount);
        if (c.own) EXPECT_EQ(texts->extra[language::xUndo], "&Undo");
        else EXPECT_EQ(texts->extra, czech);
    }
    EXPECT_EQ(language::completeExtraTexts({"A", "B"})[1], "B");
    EXPECT_EQ(language::completeExtraTexts({"A", "B"})[2], czech[2]);
}

// The start looks at the libraries up to the one it takes: the ones after it are not loaded.
TEST(LanguageLibraries, TheStartLooksNoFurtherThanItsChoice) {
    const struct { const char* wanted; std::size_t looked; const char* taken; } cases[] = {
        {"", 3, "lang.cs.dll"},        // after the two unusable ones beside the tests
        {"Čeština", 3, "lang.cs.dll"},
        {"English", 4, "lang.en.dll"},
        {"Klingon", 4, "lang.cs.dll"}, // named by none: every one looked at, the first usable taken
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wanted);
        std::vector<std::optional<language::MainTexts>> texts;
        const std::string wanted = c.wanted;
        const auto found = language::findCandidates(testFolder(), &texts, &wanted);
        ASSERT_EQ(found.size(), c.looked);
        ASSERT_EQ(texts.size(), c.looked);
        const auto chosen = language::chooseLanguage(found, wanted);
        ASSERT_TRUE(chosen);
        EXPECT_EQ(found[*chosen].file, testFolder() + c.taken);
        EXPECT_TRUE(texts[*chosen]);
    }
}

// Libraries whose code does harm (tests/win/badlang.cpp): each is refused, marked damaged and
// never called again in the run, and the program goes on.
TEST(LanguageLibraries, HarmfulOnesAreRefusedNotFollowed) {
    const std::string bad = testFolder() + "badlang\\";
    const struct { const char* file; bool textsRead; } cases[] = {
        {"lang.bad-overcount.dll", false}, // dejMenu: a count of 5000 in a block of 35 pointers
        {"lang.bad-wild.dll", false},      // dejStringy: four entries past its texts point nowhere
        {"lang.bad-fault.dll", false},     // dejHint: an access violation
        {"lang.bad-hang.dll", false},      // dejSaveOpenDialog: never comes back
        {"lang.bad-name.dll", true},       // jazykovaMutace: a name nowhere; the lists hold
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const language::Library lib(bad + c.file);
        ASSERT_TRUE(lib.loaded());
        EXPECT_EQ(language::readMainTexts(lib).has_value(), c.textsRead);
        EXPECT_EQ(lib.displayName(), std::nullopt);
        EXPECT_TRUE(lib.damaged());
        // refused at once from now on: not loaded again, not called again
        const language::Library again(bad + c.file);
        EXPECT_FALSE(again.loaded());
        EXPECT_TRUE(again.damaged());
        EXPECT_EQ(again.list("dejNastaveni", 0), std::nullopt);
    }
    // a sound library read after them reads as ever
    EXPECT_TRUE(language::readMainTexts(testFolder() + "lang.cs.dll"));
    EXPECT_FALSE(language::Library(testFolder() + "lang.cs.dll").damaged());
}
