// tests/native/backup_name_test.cpp — backup copy names: the rule, the draw, growth on collision
#include "document/backup_name.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

using document::appendBackupPart;
using document::settleBackupName;

namespace {
bool isPart(const std::string& s) {
    if (s.size() != 15 || s.substr(11) != ".bcp") return false;
    for (size_t i = 0; i < 11; ++i)
        if (s[i] < 'a' || s[i] > 'z') return false;
    return true;
}
} // namespace

TEST(BackupName, ElevenLowercaseLettersAndTheExtension) {
    for (std::uint64_t seed = 0; seed < 2000; ++seed) ASSERT_TRUE(isPart(appendBackupPart("", seed))) << seed;
    // a part is appended to what is there; the rest is kept as it was
    const std::string grown = appendBackupPart("qwertyuiopa.bcp", 7);
    EXPECT_EQ(grown.substr(0, 15), "qwertyuiopa.bcp");
    EXPECT_TRUE(isPart(grown.substr(15)));
    // the same seed draws the same letters; the clock gives a new seed every time
    EXPECT_EQ(appendBackupPart("", 42), appendBackupPart("", 42));
    std::set<std::string> drawn;
    for (int i = 0; i < 1000; ++i) drawn.insert(document::MakeBackupName(""));
    EXPECT_EQ(drawn.size(), 1000u); // even when the clock has not moved between two draws
}

TEST(BackupName, LettersAreDrawnUniformlyFromAToZ) {
    std::array<int, 26> count{};
    const int parts = 26 * 400;
    for (int i = 0; i < parts; ++i) {
        const std::string p = appendBackupPart("", document::clockSeed());
        for (size_t k = 0; k < 11; ++k) ++count[static_cast<size_t>(p[k] - 'a')];
    }
    // chi-square with 25 degrees of freedom; 60 lies far beyond the 0.1 % tail (52.6)
    const double expected = parts * 11.0 / 26;
    double chi = 0;
    for (int c : count) chi += (c - expected) * (c - expected) / expected;
    EXPECT_LT(chi, 60.0);
    EXPECT_GT(count[0], 0);  // 'a' and 'z' both occur: catches an off-by-one range
    EXPECT_GT(count[25], 0);
}

TEST(BackupName, TakenNamesGrowByWholePartsUntilFree) {
    // the first three names tried are taken: the name grows to 60 characters, keeping each
    // earlier name as its beginning
    std::vector<std::string> tried;
    const std::string start = appendBackupPart("", 1);
    const std::string free = settleBackupName(start, [&](const std::string& n) {
        tried.push_back(n);
        return tried.size() <= 3;
    });
    ASSERT_EQ(tried.size(), 4u);
    EXPECT_EQ(tried[0], start);
    for (size_t i = 1; i < tried.size(); ++i) {
        EXPECT_EQ(tried[i].size(), 15 * (i + 1));
        EXPECT_EQ(tried[i].substr(0, tried[i - 1].size()), tried[i - 1]);
        EXPECT_TRUE(isPart(tried[i].substr(tried[i - 1].size())));
    }
    EXPECT_EQ(free, tried.back());
    // a free name is kept as it is
    EXPECT_EQ(settleBackupName(start, [](const std::string&) { return false; }), start);
}

TEST(BackupName, PlainTextThatTheControlWouldTakeForRtf) {
    const struct {
        const char* text;
        bool rtf;
    } cases[] = {
        {"{\\rtf1 ahoj}", true}, {"{\\urtf1 x}", true}, {"{\\RTF x}", true}, {"{\\", true},
        {" {\\rtf1}", true}, {"\r\n\t{\\rtf1}", true}, {"{rtf1}", false}, {"x{\\rtf1}", false}, {"\\rtf1", false}, {"", false}, {"{", false},
        {"Příliš žluťoučký kůň", false},
    };
    for (const auto& c : cases) EXPECT_EQ(document::plainTextReadsAsRtf(c.text), c.rtf) << c.text;
}

TEST(BackupRecord, ReadsBackWhatIsWrittenAndNothingCutShort) {
    const document::CopyRecord full{"0123456789abcdef", 3, 42, 1234567, 0xfedcba9876543210ull,
                                    "C:\\Dokumenty\\Dopis pro paní Novákovou.rtf"};
    const document::CopyRecord untitled{"a1", 1, 1, 0, 0, ""};
    for (const auto& r : {full, untitled}) {
        const std::string text = document::recordText(r);
        ASSERT_EQ(document::parseRecord(text), r) << text;
        // a write cut short at any byte is no record
        for (std::size_t n = 0; n < text.size(); ++n)
            EXPECT_FALSE(document::parseRecord(text.substr(0, n))) << n;
    }
    const std::string good = document::recordText(full);
    struct Bad {
        const char *from, *to;
    };
    for (const Bad b : {Bad{"owner=0123456789abcdef", "owner="}, Bad{"owner=0123456789abcdef", "owner=..\\x"},
                        Bad{"sequence=42", "sequence=4x2"}, Bad{"size=1234567", "size=-1"},
                        Bad{"document=3", "dokument=3"}, Bad{"\r\nend\r\n", "\r\nend\r\nend\r\n"},
                        Bad{"Notavo backup copy 1", "Notavo backup copy 2"}}) {
        std::string t = good;
        t.replace(t.find(b.from), std::string(b.from).size(), b.to);
        EXPECT_FALSE(document::parseRecord(t)) << t;
    }
    // the names beside a copy
    EXPECT_EQ(document::recordNameOf("abcdefghijk.bcp"), "abcdefghijk.bci");
    EXPECT_EQ(document::temporaryNameOf("abcdefghijk.bcpzyxwvutsrqp.bcp"), "abcdefghijk.bcpzyxwvutsrqp.tmp");
    EXPECT_EQ(document::copyNameOfRecord("abcdefghijk.bci"), "abcdefghijk.bcp");
    EXPECT_EQ(document::copyNameOfRecord("abcdefghijk.txt"), "");
    EXPECT_NE(document::contentHash("{\\rtf1 a}"), document::contentHash("{\\rtf1 b}"));
}
