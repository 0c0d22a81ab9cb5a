// tests/fuzz/listblock_fuzz.cpp — text list blocks of language libraries: built from any texts,
// copied back, and damaged in their count or entries
#include "lang/listblock.h"

#include "check.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const unsigned damage = data[0], minEntries = data[1] % 64;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    std::vector<std::string> texts;
    for (std::size_t pos = 0; pos <= rest.size() && texts.size() < 1000;) {
        const std::size_t end = std::min(rest.find('\0', pos), rest.size());
        texts.emplace_back(rest.substr(pos, end - pos));
        pos = end + 1;
    }

    const char* const* first = language::buildBlock(texts, std::malloc);
    FUZZ_CHECK(first);
    auto* header = reinterpret_cast<std::int32_t*>(const_cast<char**>(first)) - 2; // refcount, count
    const auto copied = language::copyEntries(first, minEntries);
    FUZZ_CHECK(copied.has_value() == (texts.size() >= minEntries));
    if (copied) FUZZ_CHECK(*copied == texts);

    // damaged the way a broken library's block is: a count below what is there or negative, a
    // null entry; never more than is there (that only probing the library's memory can catch)
    switch (damage % 3) {
    case 0:
        header[1] = -1 - static_cast<std::int32_t>(damage);
        FUZZ_CHECK(!language::copyEntries(first, 0));
        break;
    case 1: {
        header[1] = static_cast<std::int32_t>(damage % (texts.size() + 1));
        const auto part = language::copyEntries(first, 0);
        FUZZ_CHECK(part && part->size() == static_cast<std::size_t>(header[1]));
        for (std::size_t i = 0; i < part->size(); ++i) FUZZ_CHECK((*part)[i] == texts[i]);
        break;
    }
    default:
        const_cast<const char**>(first)[damage % texts.size()] = nullptr;
        FUZZ_CHECK(!language::copyEntries(first, 0));
    }

    // one reference: dropping it gives the block back to be freed
    void* base = language::dropReference(first);
    FUZZ_CHECK(base == header);
    std::free(base);
    return 0;
}
