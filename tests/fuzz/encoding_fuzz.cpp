// tests/fuzz/encoding_fuzz.cpp — any bytes as a text file: the format is recognised, and the
// file read in that format (or in any other) is written back byte for byte
#include "document/encoding.h"

#include "check.h"

#include <cstdint>

namespace {

using document::Encoding;
using document::LineEnd;
using document::TextFormat;

// Whether every line break of the text is of the one kind: written back, none of them changes.
bool lineEndsAre(std::u16string_view text, LineEnd e) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crlf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        if (crlf) {
            if (e != LineEnd::CrLf) return false;
            ++i;
        } else if (text[i] == u'\r' && e != LineEnd::Cr) {
            return false;
        } else if (text[i] == u'\n' && e != LineEnd::Lf) {
            return false;
        }
    }
    return true;
}

void roundTrip(std::string_view bytes, const TextFormat& f) {
    const std::u16string text = document::decodeText(bytes, f);
    bool lossy = true;
    const std::string back = document::encodeText(text, f, &lossy);
    // what was read from a file can always be written in its encoding
    FUZZ_CHECK(document::canEncode(text, f.encoding));
    if (!lineEndsAre(text, f.lineEnd)) return;
    // broken UTF-16 that reads as another file: an even one ending in a lone low surrogate
    // U+DC00-U+DCFF, and an odd one whose odd byte follows a lone high surrogate (a pair)
    const auto high = [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    if (f.encoding == Encoding::Utf16Le && !text.empty() && (text.back() & 0xFF00) == 0xDC00 &&
        (bytes.size() % 2 == 1) == (text.size() > 1 && high(text[text.size() - 2])))
        return;
    if (f.bom && !bytes.starts_with(f.encoding == Encoding::Utf8 ? "\xEF\xBB\xBF" : "\xFF\xFE")) return;
    FUZZ_CHECK(!lossy);
    FUZZ_CHECK(back == bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TextFormat detected = document::detectTextFormat(bytes);
    if (detected.bom) FUZZ_CHECK(detected.encoding != Encoding::Cp1250);
    roundTrip(bytes, detected);
    // a file opened in an encoding the user chose comes back the same too
    for (Encoding e : {Encoding::Cp1250, Encoding::Utf8, Encoding::Utf16Le})
        roundTrip(bytes, TextFormat{e, false, detected.lineEnd});
    // a text the program holds, written in Windows-1250, is lossless exactly when it can be encoded
    const std::u16string text = document::decodeText(bytes, TextFormat{Encoding::Utf16Le, false, LineEnd::CrLf});
    bool lossy = false;
    document::encodeText(text, TextFormat{Encoding::Cp1250, false, LineEnd::CrLf}, &lossy);
    FUZZ_CHECK(lossy == !document::canEncode(text, Encoding::Cp1250));
    // given in pieces (their sizes from the first byte), it is written as the whole
    const std::size_t pieceSize = size > 0 ? data[0] % 7 + 1 : 1;
    for (Encoding e : {Encoding::Utf8, Encoding::Utf16Le, Encoding::Cp1250}) {
        const TextFormat f{e, size % 2 == 1, detected.lineEnd};
        document::TextEncoder encoder(f);
        std::string pieces;
        for (std::size_t i = 0; i < text.size(); i += pieceSize)
            encoder.put(std::u16string_view(text).substr(i, pieceSize), pieces);
        encoder.finish(pieces);
        FUZZ_CHECK(pieces == document::encodeText(text, f));
    }
    return 0;
}
