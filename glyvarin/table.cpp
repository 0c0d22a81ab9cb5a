// glyvarin/table.cpp — the conversion table, its data file and the lookup
#include "glyvarin/table.h"

namespace glyvarin {

void ConversionTable::clear() {
    sources_.clear();
    replacements_.clear();
}

void ConversionTable::append(unsigned char source, unsigned char replacement) {
    sources_.push_back(source);
    replacements_.push_back(replacement);
}

unsigned char ConversionTable::lookup(unsigned char c) const {
    for (std::size_t i = 0; i < sources_.size(); ++i)
        if (sources_[i] == c) return replacements_[i];
    return c;
}

LookupMap buildLookup(const ConversionTable& table) {
    LookupMap map{};
    std::array<bool, 256> taken{};
    for (std::size_t c = 0; c < map.size(); ++c) map[c] = static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const unsigned char s = table.source(i);
        if (taken[s]) continue; // a later entry for the same source never takes effect
        taken[s] = true;
        map[s] = table.replacement(i);
    }
    return map;
}

ConversionTable parseTable(std::string_view bytes) {
    ConversionTable t;
    for (std::size_t k = 0; k + 1 < bytes.size(); k += 2)
        t.append(static_cast<unsigned char>(bytes[k]), static_cast<unsigned char>(bytes[k + 1]));
    return t;
}

std::string serializeTable(const ConversionTable& table) {
    std::string out;
    out.reserve(table.size() * 2);
    for (std::size_t i = 0; i < table.size(); ++i) {
        out.push_back(static_cast<char>(table.source(i)));
        out.push_back(static_cast<char>(table.replacement(i)));
    }
    return out;
}

} // namespace glyvarin
