// tests/fuzz/colors_fuzz.cpp — any text as a colour of the settings file, and any colour written
#include "settings/colors.h"

#include "check.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // a colour read is written as a text that reads back as the same colour
    if (const auto c = settings::colorFromText(text)) {
        FUZZ_CHECK(settings::colorFromText(settings::colorToText(*c)) == c);
    }
    // and so is any colour at all (the first four bytes)
    if (size >= 4) {
        settings::Color c;
        std::memcpy(&c, data, 4);
        const std::string written = settings::colorToText(c);
        FUZZ_CHECK(!written.empty() && written.size() <= 32);
        FUZZ_CHECK(settings::colorFromText(written) == c);
    }
    return 0;
}
