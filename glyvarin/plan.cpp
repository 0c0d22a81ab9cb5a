// glyvarin/plan.cpp — what a conversion rewrites, and where rich text changes its format
#include "glyvarin/plan.h"

#include "rtf/reader.h"

#include <string>

namespace glyvarin {

bool isStructural(char16_t c) { return c < 0x20 || c >= 0xFFF0; }

WideLookup::WideLookup(const LookupMap& map, std::optional<char16_t> (*decode)(unsigned char))
    : map_(65536) {
    for (std::size_t c = 0; c < map_.size(); ++c) map_[c] = static_cast<char16_t>(c);
    for (std::size_t b = 0; b < map.size(); ++b) {
        if (map[b] == b) continue;
        const auto from = decode(static_cast<unsigned char>(b));
        const auto to = decode(map[b]);
        if (!from || !to || isStructural(*from) || isStructural(*to)) continue;
        map_[*from] = *to;
    }
}

std::u16string WideLookup::convert(std::u16string_view text) const {
    std::u16string out(text);
    for (char16_t& c : out) c = map_[c];
    return out;
}

std::vector<Stretch> planStretches(std::u16string_view before, std::u16string_view after,
                                   std::size_t maxLength) {
    std::vector<Stretch> out;
    const std::size_t n = before.size() < after.size() ? before.size() : after.size();
    if (maxLength == 0) maxLength = 1;
    std::size_t i = 0;
    while (i < n) {
        if (before[i] == after[i]) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        std::size_t last = i;
        for (std::size_t j = i + 1; j < n && j - start < maxLength && !isStructural(before[j]); ++j)
            if (before[j] != after[j]) last = j;
        // The control reads a replacement that starts "{\rtf" as rich text: such a stretch
        // gets its first character alone.
        if (after[start] == u'{' && last > start && after[start + 1] == u'\\') last = start;
        out.push_back({start, last + 1});
        i = last + 1;
    }
    return out;
}

namespace {

constexpr char16_t kByteChar = u'\xFFFF';

// Collects the text and the places where its format may change.
class RunsReader {
public:
    RtfRuns read(std::string_view rtf) {
        rtf::Reader reader(rtf);
        rtf::Token t;
        while (reader.next(t))
            if (reader.destination() == rtf::Destination::Text) token(t); // no tables, no labels
        return std::move(out_);
    }

private:
    void token(const rtf::Token& t) {
        switch (t.kind) {
        case rtf::Token::Text:
            for (const char c : t.text) {
                const auto u = static_cast<unsigned char>(c);
                add(u < 0x80 ? static_cast<char16_t>(u) : kByteChar);
            }
            return;
        case rtf::Token::Byte: add(kByteChar); return;
        case rtf::Token::Unicode: add(t.unicode); return;
        case rtf::Token::Symbol:
            if (const char16_t c = rtf::characterOfSymbol(t.byte)) add(c);
            return;
        case rtf::Token::Word:
            if (const char16_t c = rtf::characterOf(t.word)) {
                add(c);
                return;
            }
            break;
        default: break;
        }
        formatSeen_ = true; // groups and the other control words
    }

    void add(char16_t c) {
        if (formatSeen_ && !out_.text.empty() && (out_.breaks.empty() || out_.breaks.back() != out_.text.size()))
            out_.breaks.push_back(out_.text.size());
        formatSeen_ = false;
        out_.text.push_back(c);
    }

    RtfRuns out_;
    bool formatSeen_ = false; // a token that may change the format since the last character
};

} // namespace

RtfRuns readRtfRuns(std::string_view rtf) { return RunsReader().read(rtf); }

bool sameText(std::u16string_view rtfText, std::u16string_view controlText) {
    if (rtfText.size() != controlText.size()) return false;
    for (std::size_t i = 0; i < rtfText.size(); ++i)
        if (rtfText[i] != kByteChar && rtfText[i] != controlText[i]) return false;
    return true;
}

} // namespace glyvarin
