// document/encoding.cpp — reading a file's bytes as text and writing them back unchanged
#include "document/encoding.h"

#include <array>
#include <vector>

namespace document {
namespace {

constexpr std::array<char16_t, 128> kCp1250High = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// an undecodable byte b is kept as U+DC00 + b (in UTF-16 only an odd last byte is)
constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kReplacement = 0xFFFD;

// The Windows-1250 byte of each character, 0 where there is none (U+0000 itself is 0 too).
const std::vector<unsigned char>& cp1250Bytes() {
    static const std::vector<unsigned char> table = [] {
        std::vector<unsigned char> t(0x10000, 0);
        for (unsigned b = 0; b < 0x80; ++b) t[b] = static_cast<unsigned char>(b);
        for (unsigned i = 0; i < kCp1250High.size(); ++i) t[kCp1250High[i]] = static_cast<unsigned char>(0x80 + i);
        return t;
    }();
    return table;
}

// Length of the valid UTF-8 sequence at `i` and its code point, or 0 when it is not valid
// (overlong forms, surrogates and values above U+10FFFF are not).
std::size_t utf8Sequence(std::string_view s, std::size_t i, char32_t& cp) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = at(i);
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    std::size_t n;
    char32_t min;
    if ((b & 0xE0) == 0xC0) n = 2, cp = b & 0x1F, min = 0x80;
    else if ((b & 0xF0) == 0xE0) n = 3, cp = b & 0x0F, min = 0x800;
    else if ((b & 0xF8) == 0xF0) n = 4, cp = b & 0x07, min = 0x10000;
    else return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (at(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void appendCodePoint(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

std::u16string fromUtf8(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp = 0;
        const std::size_t n = utf8Sequence(s, i, cp);
        if (n == 0) {
            out += static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(s[i]));
            ++i;
        } else {
            appendCodePoint(out, cp);
            i += n;
        }
    }
    return out;
}

std::u16string fromUtf16Le(std::string_view s) {
    std::u16string out;
    out.reserve(s.size() / 2 + 1);
    for (std::size_t i = 0; i + 1 < s.size(); i += 2)
        out += static_cast<char16_t>(static_cast<unsigned char>(s[i]) | (static_cast<unsigned char>(s[i + 1]) << 8));
    if (s.size() % 2) out += static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(s.back()));
    return out;
}

bool isEscape(char16_t c) { return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF; }
bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void putUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Writes one character (or a surrogate pair starting at text[i]); returns the units used.
std::size_t putChar(std::string& out, std::u16string_view text, std::size_t i, Encoding e, bool& lossy) {
    const char16_t c = text[i];
    if (isEscape(c) && e != Encoding::Utf16Le) { // a byte kept from the file as it was
        out += static_cast<char>(c - kEscapeBase);
        return 1;
    }
    switch (e) {
    case Encoding::Utf16Le:
        // the odd last byte of the file; a last unit that ends a surrogate pair is a character
        // (U+1F400-U+1F4FF end in DC00-DCFF) and keeps both its bytes
        if (i + 1 == text.size() && (c & 0xFF00) == kEscapeBase && !(i > 0 && isHighSurrogate(text[i - 1]))) {
            out += static_cast<char>(c & 0xFF);
            return 1;
        }
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
        return 1;
    case Encoding::Utf8:
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            putUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            return 2;
        }
        if (isHighSurrogate(c) || isLowSurrogate(c)) {
            putUtf8(out, kReplacement);
            lossy = true;
        } else {
            putUtf8(out, c);
        }
        return 1;
    case Encoding::Cp1250: {
        const unsigned char b = cp1250Bytes()[c];
        if (b == 0 && c != 0) {
            out += '?';
            lossy = true;
            // a pair is one character: one "?"
            return isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1]) ? 2 : 1;
        }
        out += static_cast<char>(b);
        return 1;
    }
    }
    return 1;
}

const char16_t* lineEndText(LineEnd e) {
    switch (e) {
    case LineEnd::Lf: return u"\n";
    case LineEnd::Cr: return u"\r";
    case LineEnd::CrLf: break;
    }
    return u"\r\n";
}

template <class Unit> LineEnd firstLineEnd(const Unit* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (s[i] == Unit('\n')) return LineEnd::Lf;
        if (s[i] == Unit('\r')) return i + 1 < n && s[i + 1] == Unit('\n') ? LineEnd::CrLf : LineEnd::Cr;
    }
    return LineEnd::CrLf;
}

bool startsWith(std::string_view s, std::string_view head) { return s.substr(0, head.size()) == head; }

} // namespace

bool isRtf(std::string_view bytes) { return startsWith(bytes, "{\\rtf"); }

TextFormat detectTextFormat(std::string_view bytes) {
    TextFormat f;
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        f.encoding = Encoding::Utf8;
        f.bom = true;
        f.lineEnd = firstLineEnd(bytes.data() + 3, bytes.size() - 3);
        return f;
    }
    if (startsWith(bytes, "\xFF\xFE")) {
        f.encoding = Encoding::Utf16Le;
        f.bom = true;
        const std::u16string text = fromUtf16Le(bytes.substr(2));
        f.lineEnd = firstLineEnd(text.data(), text.size());
        return f;
    }
    bool nonAscii = false, valid = true;
    for (std::size_t i = 0; i < bytes.size() && valid;) {
        char32_t cp = 0;
        const std::size_t n = utf8Sequence(bytes, i, cp);
        valid = n != 0 && !(cp >= 0x80 && cp <= 0x9F);
        nonAscii = nonAscii || n > 1;
        i += n;
    }
    if (valid && nonAscii) f.encoding = Encoding::Utf8;
    f.lineEnd = firstLineEnd(bytes.data(), bytes.size());
    return f;
}

std::u16string fromCp1250(std::string_view bytes) {
    std::u16string out(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = b < 0x80 ? char16_t(b) : kCp1250High[b - 0x80];
    }
    return out;
}

std::u16string decodeText(std::string_view bytes, const TextFormat& format) {
    switch (format.encoding) {
    case Encoding::Utf8: return fromUtf8(format.bom && startsWith(bytes, "\xEF\xBB\xBF") ? bytes.substr(3) : bytes);
    case Encoding::Utf16Le: return fromUtf16Le(format.bom && startsWith(bytes, "\xFF\xFE") ? bytes.substr(2) : bytes);
    case Encoding::Cp1250: break;
    }
    return fromCp1250(bytes);
}

TextEncoder::TextEncoder(const TextFormat& format) : format_(format) {}

std::size_t TextEncoder::step(std::u16string_view text, std::size_t i, std::string& out) {
    if (text[i] == u'\r' || text[i] == u'\n') {
        for (const char16_t* c = lineEndText(format_.lineEnd); *c; ++c)
            putChar(out, std::u16string_view(c, 1), 0, format_.encoding, lossy_);
        return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
    }
    return putChar(out, text, i, format_.encoding, lossy_);
}

// The run of characters from `i` (up to `end`) that are one byte each and no line break, written
// at once: most of a text is such (a document of 10 MB took 120 ms one character at a time).
std::size_t TextEncoder::putSingleBytes(std::u16string_view text, std::size_t i, std::size_t end, std::string& out) {
    if (format_.encoding == Encoding::Utf16Le) return i;
    const unsigned char* table = format_.encoding == Encoding::Cp1250 ? cp1250Bytes().data() : nullptr;
    char run[1024];
    std::size_t n = 0;
    for (; i < end; ++i) {
        const char16_t c = text[i];
        unsigned char b;
        if (table) b = table[c];
        else b = c < 0x80 ? static_cast<unsigned char>(c) : 0;
        if (b == 0 || b == '\r' || b == '\n') break;
        run[n++] = static_cast<char>(b);
        if (n == sizeof run) {
            out.append(run, n);
            n = 0;
        }
    }
    out.append(run, n);
    return i;
}

void TextEncoder::put(std::u16string_view piece, std::string& out) {
    if (!started_) {
        if (format_.bom && format_.encoding == Encoding::Utf8) out += "\xEF\xBB\xBF";
        if (format_.bom && format_.encoding == Encoding::Utf16Le) out += "\xFF\xFE";
        started_ = true;
    }
    if (piece.empty()) return;
    // a piece is read where it lies unless units of the last one wait
    const bool inPlace = held_.empty();
    if (!inPlace) held_.append(piece);
    const std::u16string_view text = inPlace ? piece : std::u16string_view(held_);
    // the last unit waits: what follows it (an LF, the second half of a pair, the end of the
    // text) decides how it is written
    std::size_t i = written_;
    const std::size_t last = text.size() - 1;
    while (i < last) {
        i = putSingleBytes(text, i, last, out);
        if (i < last) i += step(text, i, out);
    }
    // and the unit before the next one to write stays (the odd last byte of UTF-16 looks back)
    const std::size_t from = i > 0 ? i - 1 : 0;
    if (inPlace) held_.assign(text.substr(from));
    else held_.erase(0, from);
    written_ = i - from;
}

void TextEncoder::finish(std::string& out) {
    put({}, out);
    const std::u16string_view text(held_);
    for (std::size_t i = written_; i < text.size();) i += step(text, i, out);
    held_.clear();
    written_ = 0;
}

std::string encodeText(std::u16string_view text, const TextFormat& format, bool* lossy) {
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 4);
    TextEncoder encoder(format);
    encoder.put(text, out);
    encoder.finish(out);
    if (lossy) *lossy = encoder.lossy();
    return out;
}

int encodingChoice(const TextFormat& format) {
    switch (format.encoding) {
    case Encoding::Cp1250: return 0;
    case Encoding::Utf8: return format.bom ? 2 : 1;
    case Encoding::Utf16Le: return 3;
    }
    return 0;
}

TextFormat withEncodingChoice(TextFormat format, int choice) {
    constexpr struct {
        Encoding encoding;
        bool bom;
    } kChoices[kEncodingChoices] = {
        {Encoding::Cp1250, false}, {Encoding::Utf8, false}, {Encoding::Utf8, true}, {Encoding::Utf16Le, true}};
    if (choice < 0 || choice >= kEncodingChoices) return format;
    format.encoding = kChoices[choice].encoding;
    format.bom = kChoices[choice].bom;
    return format;
}

bool canEncode(std::u16string_view text, Encoding encoding) {
    if (encoding != Encoding::Cp1250) return true;
    const auto& table = cp1250Bytes();
    for (char16_t c : text)
        if (c != 0 && table[c] == 0 && !isEscape(c)) return false;
    return true;
}

} // namespace document
