// document/rtfruns.h — an RTF document read as paragraphs of formatted runs (what printing lays out)
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace document {

constexpr std::uint32_t kAutoColor = 0xFF000000u; // "auto": the device's default text colour

struct CharFormat {
    std::u16string face;       // font face; empty when the document names none
    int charset = 1;           // \fcharset (1 = default)
    int halfPoints = 24;       // \fs
    bool bold = false, italic = false, underline = false, strike = false;
    std::uint32_t color = kAutoColor; // 0x00BBGGRR or kAutoColor
    bool operator==(const CharFormat&) const = default;
};

enum class Align { Left, Center, Right, Justify };

struct Run {
    // UTF-16 text; u'\t' a tab, u'\v' a line break inside the paragraph, u'\f' a page break
    std::u16string text;
    int format = 0;            // index into RtfDocument::formats
    bool counted = true;       // false for list labels, which are not characters of the text
};

struct Paragraph {
    Align align = Align::Left;
    int leftTwips = 0, rightTwips = 0, firstTwips = 0; // \li \ri \fi (first line relative to left)
    int spaceBeforeTwips = 0, spaceAfterTwips = 0;     // \sb \sa
    std::vector<int> tabStopsTwips;                    // \tx, ascending
    std::vector<Run> runs;
    int markFormat = 0;        // format of the paragraph mark: the height of an empty line
};

struct RtfDocument {
    std::vector<CharFormat> formats; // never empty after readRtf
    std::vector<Paragraph> paragraphs;
};

// Turns bytes in a Windows code page (1250, 1252, 42 for symbol fonts, ...) into UTF-16.
using Decoder = std::function<std::u16string(int codePage, std::string_view bytes)>;

// Reads the text and the character and paragraph formatting of an RTF document; pictures,
// objects, headers and other destinations are left out. Never fails: what it does not know
// it skips. `decode` turns the document's 8-bit text into UTF-16.
RtfDocument readRtf(std::string_view rtf, const Decoder& decode);

// Drops the first `count` characters of the text as the rich-edit control counts them (each
// character, and each paragraph mark, is one).
void dropCharacters(RtfDocument& doc, long count);

// The Windows code page of a font character set (\fcharset); `ansiCodePage` for the default.
int codePageOfCharset(int charset, int ansiCodePage);

} // namespace document
