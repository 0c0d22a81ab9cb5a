// tests/native/encoding_test.cpp — how a file's bytes are recognised and written back
#include "document/encoding.h"

#include <gtest/gtest.h>

using namespace document;

namespace {
// UTF-8 bytes of a literal (narrow literals are compiled to Windows-1250)
std::string u8b(const char8_t* s) { return reinterpret_cast<const char*>(s); }
constexpr TextFormat fmt(Encoding e, bool bom, LineEnd l) { return TextFormat{e, bom, l}; }
} // namespace

TEST(Encoding, RtfIsDecidedByTheFirstBytesOnly) {
    const struct { std::string bytes; bool rtf; } cases[] = {
        {"{\\rtf1\\ansi x}", true}, {"{\\rtf", true}, {"{\\rt", false}, {" {\\rtf1", false},
        {"\xEF\xBB\xBF{\\rtf1", false}, {"{\\RTF1", false}, {"", false}, {"plain {\\rtf1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isRtf(c.bytes), c.rtf) << c.bytes;
}

TEST(Encoding, DetectionTable) {
    using E = Encoding;
    using L = LineEnd;
    const struct { const char* what; std::string bytes; TextFormat expected; } cases[] = {
        {"empty", "", fmt(E::Cp1250, false, L::CrLf)},
        {"pure ASCII stays 1250", "abc\r\ndef", fmt(E::Cp1250, false, L::CrLf)},
        {"ASCII with LF", "abc\ndef\r\n", fmt(E::Cp1250, false, L::Lf)},
        {"lone CR", "a\rb", fmt(E::Cp1250, false, L::Cr)},
        {"UTF-8 BOM", "\xEF\xBB\xBFx\ny", fmt(E::Utf8, true, L::Lf)},
        {"UTF-8 BOM only", "\xEF\xBB\xBF", fmt(E::Utf8, true, L::CrLf)},
        {"UTF-8 BOM, invalid bytes after it", "\xEF\xBB\xBF\xE8\r\n", fmt(E::Utf8, true, L::CrLf)},
        {"UTF-16LE BOM", std::string("\xFF\xFE" "a\0\n\0", 6), fmt(E::Utf16Le, true, L::Lf)},
        {"UTF-16LE BOM, CR LF", std::string("\xFF\xFE\r\0\n\0", 6), fmt(E::Utf16Le, true, L::CrLf)},
        {"valid UTF-8 Czech", u8b(u8"Žluťoučký kůň\r\n"), fmt(E::Utf8, false, L::CrLf)},
        {"valid UTF-8 Cyrillic, emoji", u8b(u8"Привет 😀\n"), fmt(E::Utf8, false, L::Lf)},
        {"Czech in 1250", "\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2", fmt(E::Cp1250, false, L::CrLf)},
        {"truncated UTF-8 at the end", u8b(u8"kůň").substr(0, 4) + "\xC5", fmt(E::Cp1250, false, L::CrLf)},
        {"overlong slash", "a\xC0\xAF", fmt(E::Cp1250, false, L::CrLf)},
        {"encoded surrogate", "\xED\xA0\x80", fmt(E::Cp1250, false, L::CrLf)},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", fmt(E::Cp1250, false, L::CrLf)},
        // 1250 letters that form valid UTF-8: "Ă" + "‚" reads as U+00C2, a real letter; the
        // rule takes it for UTF-8, as any reader must
        {"1250 bytes valid as UTF-8", "\xC3\x82", fmt(E::Utf8, false, L::CrLf)},
        // "Â" + "Š" would decode to the C1 control U+008A: no text holds that, so it is 1250
        {"1250 bytes decoding to a C1 control", "\xC2\x8A", fmt(E::Cp1250, false, L::CrLf)},
    };
    for (const auto& c : cases) EXPECT_EQ(detectTextFormat(c.bytes), c.expected) << c.what;
}

// Every file read and written back unchanged comes back byte for byte.
TEST(Encoding, RoundTripsByteForByte) {
    const std::string files[] = {
        "", "plain ASCII\r\nsecond\r\n", "\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2\r\n\x80\x81\x83\x88\x90\x98\xFF",
        u8b(u8"Žluťoučký kůň\nПривет, Ελλάδα 😀\n"), "\xEF\xBB\xBF" + u8b(u8"Žluťoučký\r\nкінь\r\n"),
        "\xEF\xBB\xBF\xE8\xFF broken", "\xEF\xBB\xBF", std::string("\xFF\xFE" "a\0\x3D\xD8\x00\xDE\r\0\n\0", 12),
        std::string("\xFF\xFEz\0\xAB", 5), // an odd last byte
        std::string("\xFF\xFE\x00\xDCa\0", 6), // a lone surrogate
        // the last character a pair whose second half lies where odd last bytes are kept (U+1F44D)
        std::string("\xFF\xFEo\0k\0\x3D\xD8\x4D\xDC", 8), std::string("\xFF\xFE\x3D\xD8\x00\xDC", 6),
        u8b(u8"bez konce řádku"), "mac\rline\r",
    };
    for (const auto& bytes : files) {
        const TextFormat f = detectTextFormat(bytes);
        bool lossy = true;
        EXPECT_EQ(encodeText(decodeText(bytes, f), f, &lossy), bytes) << bytes;
        EXPECT_FALSE(lossy) << bytes;
    }
}

TEST(Encoding, WritingUsesTheDocumentsLineEndsAndMarksLosses) {
    using E = Encoding;
    const std::u16string text = u"Ř\r\nж\rb\n";
    const struct { TextFormat f; std::string bytes; bool lossy; } cases[] = {
        {fmt(E::Utf8, false, LineEnd::Lf), u8b(u8"Ř\nж\nb\n"), false},
        {fmt(E::Utf8, true, LineEnd::CrLf), "\xEF\xBB\xBF" + u8b(u8"Ř\r\nж\r\nb\r\n"), false},
        {fmt(E::Cp1250, false, LineEnd::CrLf), "\xD8\r\n?\r\nb\r\n", true},
        {fmt(E::Utf16Le, true, LineEnd::Cr), std::string("\xFF\xFE\x58\x01\r\0\x36\x04\r\0b\0\r\0", 14), false},
    };
    for (const auto& c : cases) {
        bool lossy = !c.lossy;
        EXPECT_EQ(encodeText(text, c.f, &lossy), c.bytes);
        EXPECT_EQ(lossy, c.lossy);
        EXPECT_EQ(canEncode(text, c.f.encoding), !c.lossy);
    }
    // one "?" for a character outside the basic plane, not one per half
    EXPECT_EQ(encodeText(u"a\U0001F600b", fmt(E::Cp1250, false, LineEnd::CrLf)), "a?b");
}

TEST(Encoding, Cp1250MapsEveryByteBothWays) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const std::u16string text = fromCp1250(all);
    ASSERT_EQ(text.size(), all.size());
    EXPECT_EQ(text[0x8A - 1], u'Š');
    EXPECT_EQ(text[0xF8 - 1], u'ř');
    const TextFormat cp = fmt(Encoding::Cp1250, false, LineEnd::CrLf);
    std::string noBreaks = all;
    std::erase_if(noBreaks, [](char c) { return c == '\r' || c == '\n'; });
    EXPECT_EQ(encodeText(fromCp1250(noBreaks), cp), noBreaks);
}

// Each encoding the save dialog offers is written so that the file reads back in it (UTF-16
// only by its mark), with the document's line ends; the list shows the document's own first.
TEST(Encoding, SaveDialogChoicesReadBackAsChosen) {
    const std::u16string text = u"Žluťoučký kůň\núpěl\n";
    for (LineEnd end : {LineEnd::CrLf, LineEnd::Lf}) {
        for (int k = 0; k < kEncodingChoices; ++k) {
            const TextFormat f = withEncodingChoice(fmt(Encoding::Utf16Le, false, end), k);
            EXPECT_EQ(f.lineEnd, end);
            EXPECT_EQ(encodingChoice(f), k);
            EXPECT_EQ(detectTextFormat(encodeText(text, f)), f) << k;
        }
    }
    const TextFormat mine = fmt(Encoding::Utf8, true, LineEnd::Lf);
    EXPECT_EQ(withEncodingChoice(mine, -1), mine);
    EXPECT_EQ(withEncodingChoice(mine, kEncodingChoices), mine);
}

// The control hands a text out in pieces cut anywhere: inside CR LF, between the halves of a
// pair, before an odd last UTF-16 byte. Encoded piece by piece it gives the bytes of the whole.
TEST(Encoding, TextInPiecesIsWrittenAsTheWhole) {
    const std::u16string texts[] = {
        u"a\r\nb\rc\n\r\n", u"x\U0001F600y\U0001F44D", u"\U0001F600\r", u"\xDC41z\xDCAB", u"\r", u"",
        std::u16string(u"ok\xD83D\xDC4D"), std::u16string(u"\xD83D"), std::u16string(u"\xDC00\xDC80"),
    };
    using E = Encoding;
    for (const auto& text : texts) {
        for (const TextFormat f : {fmt(E::Utf8, true, LineEnd::Lf), fmt(E::Cp1250, false, LineEnd::CrLf),
                                   fmt(E::Utf16Le, true, LineEnd::Cr), fmt(E::Utf16Le, false, LineEnd::CrLf)}) {
            bool wholeLossy = false;
            const std::string whole = encodeText(text, f, &wholeLossy);
            for (std::size_t cut = 0; cut <= text.size(); ++cut) {
                std::string bytes;
                TextEncoder e(f);
                e.put(std::u16string_view(text).substr(0, cut), bytes);
                e.put({}, bytes);
                e.put(std::u16string_view(text).substr(cut), bytes);
                e.finish(bytes);
                EXPECT_EQ(bytes, whole) << "cut " << cut;
                EXPECT_EQ(e.lossy(), wholeLossy);
            }
            std::string bytes; // one unit at a time
            TextEncoder e(f);
            for (char16_t c : text) e.put(std::u16string_view(&c, 1), bytes);
            e.finish(bytes);
            EXPECT_EQ(bytes, whole);
        }
    }
}
