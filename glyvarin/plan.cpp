// glyvarin/plan.cpp — what a conversion rewrites, and where rich text changes its format
#include "glyvarin/plan.h"

#include <array>
#include <cctype>
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

// Destinations whose content is not text of the document.
bool skippedDestination(std::string_view w) {
    static const std::array<std::string_view, 24> names = {
        "fonttbl",  "colortbl", "stylesheet", "info",     "pict",      "object",
        "header",   "footer",   "headerl",    "headerr",  "footerl",   "footerr",
        "listtable", "listoverridetable", "revtbl", "pntext", "pntxta", "pntxtb",
        "listtext", "xmlnstbl", "rsidtbl",    "filetbl",  "generator", "fldinst",
    };
    for (auto n : names)
        if (n == w) return true;
    return false;
}

// The character a control word stands for, or 0 for a word that writes no character.
char16_t wordCharacter(std::string_view w) {
    static const struct { std::string_view word; char16_t c; } words[] = {
        {"par", u'\r'},      {"sect", u'\r'},      {"row", u'\r'},       {"page", u'\f'},
        {"line", u'\v'},     {"tab", u'\t'},       {"cell", u'\t'},      {"nestcell", u'\t'},
        {"emdash", u'\u2014'}, {"endash", u'\u2013'}, {"bullet", u'\u2022'}, {"lquote", u'\u2018'},
        {"rquote", u'\u2019'}, {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'},
        {"emspace", u'\u2003'}, {"enspace", u'\u2002'}, {"qmspace", u'\u2005'},
        {"zwj", u'\u200D'},  {"zwnj", u'\u200C'},  {"ltrmark", u'\u200E'}, {"rtlmark", u'\u200F'},
    };
    for (const auto& x : words)
        if (x.word == w) return x.c;
    return 0;
}

constexpr char16_t kByteChar = u'\xFFFF';

} // namespace

RtfRuns readRtfRuns(std::string_view rtf) {
    RtfRuns out;
    struct Group {
        bool skip = false;
        int uc = 1;
    };
    std::vector<Group> groups(1);
    bool formatSeen = false; // a token that may change the format since the last character
    bool groupStart = false; // right after '{' (a destination name may follow)
    int fallback = 0;        // characters still to drop after \u

    const auto emit = [&](char16_t c) {
        if (groups.back().skip) return;
        if (fallback > 0) {
            --fallback;
            return;
        }
        if (formatSeen && !out.text.empty() && (out.breaks.empty() || out.breaks.back() != out.text.size()))
            out.breaks.push_back(out.text.size());
        formatSeen = false;
        out.text.push_back(c);
    };
    const auto formatToken = [&] {
        if (!groups.back().skip) formatSeen = true;
    };

    std::size_t i = 0;
    while (i < rtf.size()) {
        const char ch = rtf[i];
        if (ch == '{') {
            groups.push_back(groups.back());
            groupStart = true;
            formatToken();
            ++i;
            continue;
        }
        if (ch == '}') {
            if (groups.size() > 1) groups.pop_back();
            groupStart = false;
            formatToken();
            ++i;
            continue;
        }
        if (ch == '\r' || ch == '\n') {
            ++i;
            continue;
        }
        if (ch != '\\') {
            groupStart = false;
            const auto u = static_cast<unsigned char>(ch);
            emit(u < 0x80 ? static_cast<char16_t>(u) : kByteChar);
            ++i;
            continue;
        }
        if (++i >= rtf.size()) break;
        const char c = rtf[i];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            const std::size_t w0 = i;
            while (i < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i]))) ++i;
            const std::string_view word = rtf.substr(w0, i - w0);
            long param = 0;
            bool hasParam = false;
            bool negative = false;
            if (i < rtf.size() && rtf[i] == '-') {
                negative = true;
                ++i;
            }
            while (i < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[i]))) {
                if (param < 100000000) param = param * 10 + (rtf[i] - '0');
                hasParam = true;
                ++i;
            }
            if (negative) param = -param;
            if (i < rtf.size() && rtf[i] == ' ') ++i;
            const bool atStart = groupStart;
            groupStart = false;
            if (atStart && skippedDestination(word)) {
                groups.back().skip = true;
                continue;
            }
            if (word == "uc" && hasParam) {
                groups.back().uc = param < 0 ? 0 : static_cast<int>(param);
                continue;
            }
            if (word == "u" && hasParam) {
                emit(static_cast<char16_t>(param < 0 ? param + 65536 : param));
                fallback = groups.back().uc;
                continue;
            }
            if (const char16_t wc = wordCharacter(word)) {
                emit(wc);
                continue;
            }
            formatToken();
            continue;
        }
        ++i;
        switch (c) {
        case '\'':
            i += 2;
            emit(kByteChar);
            break;
        case '*':
            groups.back().skip = true;
            break;
        case '\\': case '{': case '}': emit(static_cast<char16_t>(c)); break;
        case '~': emit(u'\u00A0'); break;
        case '-': emit(u'\u00AD'); break;
        case '_': emit(u'\u2011'); break;
        case '\r': case '\n': emit(u'\r'); break;
        default: break;
        }
        groupStart = false;
    }
    return out;
}

bool sameText(std::u16string_view rtfText, std::u16string_view controlText) {
    if (rtfText.size() != controlText.size()) return false;
    for (std::size_t i = 0; i < rtfText.size(); ++i)
        if (rtfText[i] != kByteChar && rtfText[i] != controlText[i]) return false;
    return true;
}

} // namespace glyvarin
