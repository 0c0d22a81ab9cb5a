// tests/fuzz/characters_dia_fuzz.cpp — any bytes as the converter's data file characters.dia
#include "glyvarin/table.h"

#include "check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const glyvarin::ConversionTable table = glyvarin::parseTable(bytes);
    // every record is an entry, a last odd byte none; written back it is the same file
    FUZZ_CHECK(table.size() == size / 2);
    FUZZ_CHECK(glyvarin::serializeTable(table) == bytes.substr(0, size - size % 2));
    FUZZ_CHECK(glyvarin::parseTable(glyvarin::serializeTable(table)) == table);
    // the map built once per conversion gives what the lookup of each byte gives
    const glyvarin::LookupMap map = glyvarin::buildLookup(table);
    for (unsigned c = 0; c < 256; ++c) FUZZ_CHECK(map[c] == table.lookup(static_cast<unsigned char>(c)));
    return 0;
}
