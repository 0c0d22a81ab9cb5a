// glyvarin/table.h — the conversion table, its data file "characters.dia" and the lookup
// (plain C++, no Win32: built and tested natively too)
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace glyvarin {

// Entries (source byte, replacement byte) in the order of the data file and of the grid rows.
// A source may stand in several entries; only the first of them ever takes effect.
class ConversionTable {
public:
    void clear();
    void append(unsigned char source, unsigned char replacement);
    std::size_t size() const { return sources_.size(); }
    bool empty() const { return sources_.empty(); }
    unsigned char source(std::size_t i) const { return sources_.at(i); }
    unsigned char replacement(std::size_t i) const { return replacements_.at(i); }
    // The first entry whose source is `c` gives its replacement; without one, `c` itself.
    unsigned char lookup(unsigned char c) const;

    bool operator==(const ConversionTable&) const = default;

private:
    std::vector<unsigned char> sources_;
    std::vector<unsigned char> replacements_;
};

// The result of every byte, built once per conversion (first match wins, as in lookup()).
using LookupMap = std::array<unsigned char, 256>;
LookupMap buildLookup(const ConversionTable& table);

// The data file: 2-byte records (source, replacement) with no header. A last odd byte has no
// partner and is left out of the table.
ConversionTable parseTable(std::string_view bytes);
// Exactly 2 × size() bytes, in table order; an empty table gives an empty file.
std::string serializeTable(const ConversionTable& table);

} // namespace glyvarin
