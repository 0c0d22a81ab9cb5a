// document/encoding.h — how a file's bytes are read as text and written back: RTF or plain
// text, and for plain text its encoding, byte-order mark and line ends
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace document {

enum class Encoding : std::uint8_t { Cp1250, Utf8, Utf16Le };
enum class LineEnd : std::uint8_t { CrLf, Lf, Cr };

// What a plain-text file looked like on disk; written back the same way.
struct TextFormat {
    Encoding encoding = Encoding::Cp1250;
    bool bom = false;
    LineEnd lineEnd = LineEnd::CrLf;
    bool operator==(const TextFormat&) const = default;
};

// True when the bytes are RTF: they start with "{\rtf". Whatever the file's name or the filter
// it was chosen with, only this decides how a file is read.
bool isRtf(std::string_view bytes);

// The format of a plain-text file from its bytes alone (no side effects, any input):
// a UTF-8 or UTF-16LE byte-order mark; else UTF-8 when the bytes are valid UTF-8 with at least
// one non-ASCII character and no C1 control character (U+0080-U+009F, which real text does not
// hold but Windows-1250 letters would decode to); else Windows-1250. The line end is the kind
// of the first line break (CR LF when there is none).
TextFormat detectTextFormat(std::string_view bytes);

// The text of the file as UTF-16, line ends as they stand, the byte-order mark dropped.
// Bytes that are not valid in the encoding become U+DC80-U+DCFF (one per byte), which
// encodeText writes back as the same bytes, so any file comes back byte for byte. In UTF-16 the
// odd last byte of a file becomes U+DC00-U+DCFF at the end of the text, unless it follows a high
// surrogate: there the two make a character (U+1F400-U+1F4FF end so). Two kinds of broken file
// (not text) therefore come back one byte longer or shorter: an odd one whose odd byte follows a
// lone high surrogate, and an even one ending in a lone low surrogate of that range.
std::u16string decodeText(std::string_view bytes, const TextFormat& format);

// The bytes of `text` in `format`: every line break (CR LF, CR or LF) written as the format's
// line end, the byte-order mark first when the format has one. Characters the encoding cannot
// hold become "?" (Windows-1250 only) and set `*lossy`.
std::string encodeText(std::u16string_view text, const TextFormat& format, bool* lossy = nullptr);

// encodeText for a text that comes in pieces (split anywhere, even inside a line break or a
// surrogate pair): put each piece in turn, then finish; the bytes are those of the whole text.
class TextEncoder {
public:
    explicit TextEncoder(const TextFormat& format);
    void put(std::u16string_view piece, std::string& out);
    void finish(std::string& out);
    bool lossy() const { return lossy_; }

private:
    std::size_t step(std::u16string_view text, std::size_t i, std::string& out);
    std::size_t putSingleBytes(std::u16string_view text, std::size_t i, std::size_t end, std::string& out);
    TextFormat format_;
    bool started_ = false, lossy_ = false;
    std::u16string held_;     // the units not yet written, after the one written last
    std::size_t written_ = 0; // how many units at the start of held_ are written already
};

// The encodings the save dialog offers, in its list's order: Windows-1250, UTF-8, UTF-8 with a
// byte-order mark, UTF-16 LE (always with its mark, by which it is read back).
constexpr int kEncodingChoices = 4;
// The item of that list that `format` is.
int encodingChoice(const TextFormat& format);
// `format` with the encoding and byte-order mark of item `choice`, its line ends kept; an item
// out of range leaves it as it is.
TextFormat withEncodingChoice(TextFormat format, int choice);

// Whether every character of `text` can be written in `encoding`.
bool canEncode(std::u16string_view text, Encoding encoding);

// Windows-1250 bytes as UTF-16 (every byte maps; the five bytes the code
// page leaves free map to U+0081, U+0083, U+0088, U+0090 and U+0098, as Windows maps them).
std::u16string fromCp1250(std::string_view bytes);

} // namespace document
