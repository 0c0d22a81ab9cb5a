// tests/native/lang_test.cpp — language list blocks and the start-up choice of a library
#include "lang/choice.h"
#include "lang/listblock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {
void* alloc(std::size_t n) { return std::malloc(n); }
void dropAndFree(const char* const* first) {
    if (void* base = language::dropReference(first)) std::free(base);
}
} // namespace

TEST(ListBlock, BuildCopyAndRelease) {
    const std::vector<std::string> texts{"Soubor", "", "Nápověda"};
    const char* const* first = language::buildBlock(texts, alloc);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(first) % alignof(char*), 0u);
    EXPECT_EQ(language::copyEntries(first, 3), texts);
    EXPECT_EQ(language::copyEntries(first, 4), std::nullopt); // shorter than the caller reads
    dropAndFree(first);                                   // LeakSanitizer checks the free
}

TEST(ListBlock, DamagedBlocksAreRefused) {
    EXPECT_EQ(language::copyEntries(nullptr, 0), std::nullopt);
    const char* const* first = language::buildBlock({"a", "b"}, alloc);
    auto* count = reinterpret_cast<std::int32_t*>(const_cast<char*>(reinterpret_cast<const char*>(first)) - 4);
    *count = -1;
    EXPECT_EQ(language::copyEntries(first, 0), std::nullopt);
    *count = language::kMaxEntries + 1;
    EXPECT_EQ(language::copyEntries(first, 0), std::nullopt);
    *count = 2;
    const_cast<const char**>(first)[1] = nullptr;
    EXPECT_EQ(language::copyEntries(first, 0), std::nullopt);
    dropAndFree(first);
}

TEST(ListBlock, SharedReferencesFreeOnTheLast) {
    const char* const* first = language::buildBlock({"x"}, alloc);
    auto* ref = reinterpret_cast<std::int32_t*>(const_cast<char*>(reinterpret_cast<const char*>(first)) - 8);
    *ref = 2;
    EXPECT_EQ(language::dropReference(first), nullptr);
    void* base = language::dropReference(first);
    EXPECT_NE(base, nullptr);
    std::free(base);
}

TEST(LanguageChoice, ByNameElseFirstUsable) {
    using language::Candidate;
    const std::vector<Candidate> found{
        {"a\\lang.bad.dll", std::nullopt}, {"a\\lang.cs.dll", "Čeština"}, {"a\\lang.en.dll", "English"}};
    EXPECT_EQ(language::chooseLanguage(found, "English"), 2u);
    EXPECT_EQ(language::chooseLanguage(found, "Čeština"), 1u);
    EXPECT_EQ(language::chooseLanguage(found, "english"), 1u); // case-sensitive: falls back to the first usable
    EXPECT_EQ(language::chooseLanguage(found, ""), 1u);
    // no language stored: the first usable one, even before one whose name is empty
    EXPECT_EQ(language::chooseLanguage({{"a\\lang.cs.dll", "Čeština"}, {"a\\lang.x.dll", ""}}, ""), 0u);
    EXPECT_EQ(language::chooseLanguage({{"x", std::nullopt}}, ""), std::nullopt);
    EXPECT_EQ(language::chooseLanguage({}, "Čeština"), std::nullopt);
}
