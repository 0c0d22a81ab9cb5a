// tests/fuzz/rtfruns_fuzz.cpp — libFuzzer: any bytes as RTF, read, laid out on pages and cut
// at a character; none of it may crash, hang or read out of bounds. Build and run (clang):
//   clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I. tests/fuzz/rtfruns_fuzz.cpp \
//     rtf/reader.cpp document/rtfruns.cpp document/printlayout.cpp -o /tmp/rtfruns_fuzz && /tmp/rtfruns_fuzz -max_total_time=60
#include "document/printlayout.h"
#include "document/rtfruns.h"

#include <cstddef>
#include <cstdint>

namespace {

class Measure final : public document::Measure {
public:
    document::FontMetrics metrics(int format) override { return {10 + format % 7, 3}; }
    void extents(int, std::u16string_view text, std::vector<int>& ends) override {
        ends.clear();
        int x = 0;
        for (char16_t c : text) ends.push_back(x += 1 + c % 13);
    }
};

std::u16string decode(int, std::string_view bytes) {
    std::u16string s;
    for (unsigned char b : bytes) s += static_cast<char16_t>(b);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view rtf(reinterpret_cast<const char*>(data), size);
    document::RtfDocument doc = document::readRtf(rtf, decode);
    Measure m;
    document::layoutPages(doc, document::PageArea{120 + static_cast<int>(size % 300), 40 + static_cast<int>(size % 90), 96, 96}, m);
    document::dropCharacters(doc, static_cast<long>(size % 64));
    document::layoutPages(doc, document::PageArea{1, 1, 1440, 1440}, m);
    return 0;
}
