// rtf/reader.cpp — RTF tokens with groups, destinations and Unicode fallbacks handled
#include "rtf/reader.h"

#include <algorithm>
#include <iterator>
#include <array>
#include <cstdint>

namespace rtf {
namespace {

struct DestinationName {
    std::string_view word;
    Destination destination;
    bool anywhere; // also when the word does not start its group
};

constexpr Destination S = Destination::Skip;

// Destinations whose content is not text of the document even without \*.
constexpr DestinationName kDestinations[] = {
    {"author", S, false},     {"buptim", S, false},     {"colorschememapping", S, false},
    {"colortbl", Destination::ColorTable, true},        {"comment", S, false},
    {"creatim", S, false},    {"datastore", S, false},  {"doccomm", S, false},
    {"falt", S, false},       {"filetbl", S, false},    {"fldinst", S, true},
    {"fonttbl", Destination::FontTable, true},          {"footer", S, false},
    {"footerf", S, false},    {"footerl", S, false},    {"footerr", S, false},
    {"footnote", S, false},   {"generator", S, false},  {"header", S, false},
    {"headerf", S, false},    {"headerl", S, false},    {"headerr", S, false},
    {"info", S, false},       {"keywords", S, false},   {"latentstyles", S, false},
    {"listoverridetable", S, false},                    {"listtable", S, false},
    {"listtext", Destination::ListLabel, true},         {"mmathPr", S, false},
    {"nonshppict", S, false}, {"object", S, false},     {"operator", S, false},
    {"panose", S, false},     {"pgdsctbl", S, false},   {"pict", S, true},
    {"pn", S, false},         {"pntext", Destination::ListLabel, true},
    {"pntxta", S, false},     {"pntxtb", S, false},     {"printim", S, false},
    {"private", S, false},    {"revtbl", S, false},     {"revtim", S, false},
    {"rsidtbl", S, false},    {"shpinst", S, false},    {"stylesheet", S, false},
    {"subject", S, false},    {"tc", S, false},         {"themedata", S, false},
    {"title", S, false},      {"txe", S, false},        {"userprops", S, false},
    {"xe", S, false},         {"xmlnstbl", S, false},
};

struct WordCharacter {
    std::string_view word;
    char16_t c;
};

constexpr WordCharacter kCharacters[] = {
    {"bullet", u'\u2022'},    {"cell", u'\t'},          {"emdash", u'\u2014'},
    {"emspace", u'\u2003'},   {"endash", u'\u2013'},    {"enspace", u'\u2002'},
    {"ldblquote", u'\u201C'}, {"line", u'\v'},          {"lquote", u'\u2018'},
    {"ltrmark", u'\u200E'},   {"nestcell", u'\t'},      {"page", u'\f'},
    {"par", u'\r'},           {"qmspace", u'\u2005'},   {"rdblquote", u'\u201D'},
    {"row", u'\r'},           {"rquote", u'\u2019'},    {"rtlmark", u'\u200F'},
    {"sect", u'\r'},          {"softline", u'\v'},      {"tab", u'\t'},
    {"zwj", u'\u200D'},       {"zwnj", u'\u200C'},
};

// For every word length, the letters that the table's words of that length start with, one
// bit each: nearly every control word that is not in a table is turned away by this alone.
using Index = std::array<std::uint32_t, 33>;
template <class Entry, std::size_t N> constexpr Index indexOf(const Entry (&table)[N]) {
    Index index{};
    for (const Entry& e : table) index[e.word.size()] |= 1u << (e.word[0] - 'a');
    return index;
}

template <class Entry, std::size_t N>
const Entry* find(const Entry (&table)[N], const Index& index, std::string_view word) {
    if (word.empty() || word.size() >= index.size() || word[0] < 'a' || word[0] > 'z' ||
        !(index[word.size()] & (1u << (word[0] - 'a'))))
        return nullptr;
    for (const Entry& e : table)
        if (e.word == word) return &e;
    return nullptr;
}

constexpr Index kDestinationIndex = indexOf(kDestinations);
constexpr Index kCharacterIndex = indexOf(kCharacters);

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isText(char c) { return c != '{' && c != '}' && c != '\\' && c != '\r' && c != '\n' && c != '\0'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

Destination destinationOf(std::string_view word, bool atGroupStart) {
    const DestinationName* d = find(kDestinations, kDestinationIndex, word);
    return d && (atGroupStart || d->anywhere) ? d->destination : Destination::Text;
}

char16_t characterOf(std::string_view word) {
    const WordCharacter* c = find(kCharacters, kCharacterIndex, word);
    return c ? c->c : 0;
}

char16_t characterOfSymbol(char c) {
    switch (c) {
    case '\\': case '{': case '}': return static_cast<char16_t>(c);
    case '\r': case '\n': return u'\r'; // a backslash before a line end is a paragraph mark
    case '\t': return u'\t';
    case '~': return u'\u00A0';         // non-breaking space
    case '_': return u'\u2011';         // non-breaking hyphen
    case '-': return u'\u00AD';         // optional hyphen
    default: return 0;
    }
}

Reader::Reader(std::string_view rtf) : in_(rtf), groups_(1) {}

bool Reader::next(Token& t) {
    while (pos_ < in_.size()) {
        const char c = in_[pos_++];
        Step step = Step::Skip;
        if (c == '{') {
            step = groupStart(t);
        } else if (c == '}') {
            step = groupEnd(t);
        } else if (c == '\\') {
            step = backslash(t);
        } else if (c != '\r' && c != '\n' && c != '\0') {
            step = text(t);
        }
        if (step == Step::Emit) return true;
    }
    return false;
}

// A run of literal bytes is one token; fallback characters are dropped from its start.
Reader::Step Reader::text(Token& t) {
    std::size_t start = pos_ - 1;
    while (pos_ < in_.size() && isText(in_[pos_])) ++pos_;
    groupStart_ = false;
    const std::size_t dropped = std::min(static_cast<std::size_t>(fallback_), pos_ - start);
    fallback_ -= static_cast<int>(dropped);
    start += dropped;
    if (start == pos_ || destination() == Destination::Skip) return Step::Skip;
    t.kind = Token::Text;
    t.text = in_.substr(start, pos_ - start);
    return Step::Emit;
}

Reader::Step Reader::groupStart(Token& t) {
    fallback_ = 0;
    if (groups_.size() >= kMaxDepth) {
        ++overflow_;
        return Step::Skip;
    }
    groups_.push_back(groups_.back());
    groupStart_ = true;
    t.kind = Token::GroupStart;
    return Step::Emit;
}

Reader::Step Reader::groupEnd(Token& t) {
    fallback_ = 0;
    groupStart_ = false;
    if (overflow_ > 0) {
        --overflow_;
        return Step::Skip;
    }
    if (groups_.size() <= 1) return Step::Skip; // a '}' too many
    t.kind = Token::GroupEnd;
    t.ended = groups_.back().destination;
    groups_.pop_back();
    return Step::Emit;
}

Reader::Step Reader::backslash(Token& t) {
    if (pos_ >= in_.size()) return Step::Skip;
    const char c = in_[pos_];
    if (isLetter(c)) return controlWord(t);
    ++pos_;
    return controlSymbol(t, c);
}

void Reader::readParameter(Token& t) {
    bool negative = false;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    long long param = 0;
    t.hasParam = false;
    while (pos_ < in_.size() && isDigit(in_[pos_])) {
        t.hasParam = true;
        if (param < 100000000000LL) param = param * 10 + (in_[pos_] - '0');
        ++pos_;
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_; // the delimiter belongs to the word
    t.param = static_cast<int>(std::clamp(negative ? -param : param, -2147483647LL, 2147483647LL));
}

Reader::Step Reader::controlWord(Token& t) {
    const std::size_t start = pos_;
    while (pos_ < in_.size() && pos_ - start < 32 && isLetter(in_[pos_])) ++pos_;
    t.kind = Token::Word;
    t.word = in_.substr(start, pos_ - start);
    readParameter(t);
    const bool atGroupStart = groupStart_;
    groupStart_ = false;
    if (t.word == "bin") { // binary data: never read as RTF
        pos_ += std::min(static_cast<std::size_t>(std::max(0, t.param)), in_.size() - pos_);
        return Step::Skip;
    }
    if (visible() == Step::Skip) return Step::Skip;
    Group& g = groups_.back();
    if (t.word == "uc") {
        g.uc = std::clamp(t.param, 0, 16);
        return Step::Skip;
    }
    if (t.word == "u" && t.hasParam) {
        t.kind = Token::Unicode;
        t.unicode = static_cast<char16_t>(t.param < 0 ? t.param + 65536 : t.param);
        fallback_ = g.uc;
        return Step::Emit;
    }
    const Destination d = destinationOf(t.word, atGroupStart);
    if (d == Destination::Text) return Step::Emit;
    g.destination = d;
    t.kind = Token::Destination;
    t.destination = d;
    return Step::Emit;
}

Reader::Step Reader::controlSymbol(Token& t, char c) {
    const bool atGroupStart = groupStart_;
    groupStart_ = false;
    if (c == '*') { // an optional destination: skipped unless we know it by its word
        if (!atGroupStart || destination() == Destination::Skip) return Step::Skip;
        groups_.back().destination = Destination::Skip;
        t.kind = Token::Destination;
        t.destination = Destination::Skip;
        return Step::Emit;
    }
    if (c == '\'') {
        int value = 0, digits = 0;
        for (int h; digits < 2 && pos_ < in_.size() && (h = hexValue(in_[pos_])) >= 0; ++pos_, ++digits)
            value = value * 16 + h;
        if (digits == 0) return Step::Skip;
        t.kind = Token::Byte;
        t.byte = static_cast<char>(value);
        return visible();
    }
    t.kind = Token::Symbol;
    t.byte = c;
    return visible();
}

Reader::Step Reader::visible() {
    if (fallback_ > 0) {
        --fallback_;
        return Step::Skip;
    }
    return destination() == Destination::Skip ? Step::Skip : Step::Emit;
}

} // namespace rtf
