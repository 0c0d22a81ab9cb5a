// tests/fuzz/rtf_reader_fuzz.cpp — any bytes through the RTF token reader: it ends, every token
// lies within the input, groups stay in step and skipped destinations give no content
#include "rtf/reader.h"

#include "check.h"

#include <cstdint>

namespace {

bool within(std::string_view part, std::string_view whole) {
    return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    rtf::Reader reader(in);
    rtf::Token t;
    std::size_t tokens = 0, depth = 0;
    while (reader.next(t)) {
        FUZZ_CHECK(++tokens <= size); // every token takes at least one byte
        switch (t.kind) {
        case rtf::Token::GroupStart:
            FUZZ_CHECK(++depth < rtf::Reader::kMaxDepth);
            break;
        case rtf::Token::GroupEnd:
            FUZZ_CHECK(depth-- > 0);
            break;
        case rtf::Token::Word:
            FUZZ_CHECK(!t.word.empty() && t.word.size() <= 32 && within(t.word, in));
            FUZZ_CHECK(reader.destination() != rtf::Destination::Skip);
            break;
        case rtf::Token::Text:
            FUZZ_CHECK(!t.text.empty() && within(t.text, in));
            FUZZ_CHECK(t.text.find_first_of("{}\\\r\n") == std::string_view::npos);
            FUZZ_CHECK(reader.destination() != rtf::Destination::Skip);
            break;
        case rtf::Token::Byte:
        case rtf::Token::Symbol:
        case rtf::Token::Unicode:
            FUZZ_CHECK(reader.destination() != rtf::Destination::Skip);
            break;
        case rtf::Token::Destination:
            FUZZ_CHECK(reader.destination() == t.destination);
            break;
        }
    }
    return 0;
}
