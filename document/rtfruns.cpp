// document/rtfruns.cpp — an RTF document read as paragraphs of formatted runs
#include "document/rtfruns.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace document {
namespace {

enum class Dest { Text, Skip, FontTable, ColorTable };

struct ParaProps {
    Align align = Align::Left;
    int left = 0, right = 0, first = 0, before = 0, after = 0;
    std::vector<int> tabs;
};

struct State {
    Dest dest = Dest::Text;
    int font = -1; // -1: the default font
    int halfPoints = 24;
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    int color = 0; // index into the colour table; 0 is "auto" when the table starts empty
    int uc = 1;    // characters to skip after \u
    bool label = false; // inside a list label (\pntext, \listtext)
    ParaProps para;
};

struct Font {
    std::string name;
    int charset = 1;
    int codePage = 0; // \cpg, 0 when not given
};

constexpr size_t kMaxDepth = 4096;

// Destinations whose content is not part of the printed text even without \*.
bool skippedDestination(std::string_view w) {
    static const char* const names[] = {
        "author",     "buptim",     "comment",    "creatim",   "datastore", "doccomm",   "falt",
        "filetbl",    "fldinst",    "footer",     "footerf",   "footerl",   "footerr",   "footnote",
        "header",     "headerf",    "headerl",    "headerr",   "info",      "keywords",  "latentstyles",
        "listoverridetable",        "listtable",  "object",    "operator",  "panose",    "pict",
        "pn",         "printim",    "private",    "revtbl",    "revtim",    "rsidtbl",   "stylesheet",
        "subject",    "themedata",  "title",      "txe",       "xe",        "xmlnstbl",  "colorschememapping",
        "nonshppict", "shpinst",    "generator",  "userprops", "pgdsctbl",  "mmathPr",   "tc",
    };
    for (const char* n : names)
        if (w == n) return true;
    return false;
}

class Reader {
public:
    Reader(std::string_view rtf, const Decoder& decode) : in_(rtf), decode_(decode) {}

    RtfDocument run() {
        doc_.formats.push_back(CharFormat{});
        state_.push_back(State{});
        while (pos_ < in_.size()) step();
        flushBytes();
        // text after the last paragraph mark is a paragraph of its own, formatted as the
        // paragraph was where its text was written (the groups around it have ended)
        if (!current_.runs.empty()) endParagraph(lastTextState_);
        return std::move(doc_);
    }

private:
    State& st() { return state_.back(); }

    void step() {
        const char c = in_[pos_];
        if (c == '{') {
            ++pos_;
            flushBytes();
            skipAfterUnicode_ = 0;
            if (state_.size() >= kMaxDepth) {
                ++overflow_;
                return;
            }
            state_.push_back(st());
            groupStart_ = true;
            return;
        }
        if (c == '}') {
            ++pos_;
            flushBytes();
            skipAfterUnicode_ = 0;
            groupStart_ = false;
            if (overflow_ > 0) {
                --overflow_;
                return;
            }
            if (state_.size() > 1) {
                const Dest was = st().dest;
                state_.pop_back();
                if (was == Dest::FontTable && st().dest != Dest::FontTable) finishFontEntry();
            }
            return;
        }
        if (c == '\\') {
            controlWord();
            return;
        }
        ++pos_;
        if (c == '\r' || c == '\n' || c == '\0') return;
        groupStart_ = false;
        literal(c);
    }

    void literal(char c) {
        if (skipAfterUnicode_ > 0) {
            --skipAfterUnicode_;
            return;
        }
        switch (st().dest) {
        case Dest::Skip: return;
        case Dest::FontTable:
            if (c == ';') {
                finishFontEntry();
            } else {
                fontName_ += c;
            }
            return;
        case Dest::ColorTable:
            if (c == ';') {
                colors_.push_back(colorOpen_ ? color_ : kAutoColor);
                color_ = 0;
                colorOpen_ = false;
            }
            return;
        case Dest::Text:
            if (st().hidden) return;
            addByte(c);
            return;
        }
    }

    void controlWord() {
        ++pos_; // the backslash
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const size_t start = pos_;
        while (pos_ < in_.size() && pos_ - start < 32 && std::isalpha(static_cast<unsigned char>(in_[pos_]))) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            std::isdigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            hasParam = true;
            if (param < 100000000000LL) param = param * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        param = std::clamp(negative ? -param : param, -2147483647LL, 2147483647LL);
        const bool atGroupStart = groupStart_;
        groupStart_ = false;
        if (skipAfterUnicode_ > 0 && word != "bin") {
            --skipAfterUnicode_;
            return;
        }
        keyword(word, hasParam, static_cast<int>(param), atGroupStart);
    }

    void controlSymbol(char c) {
        const bool atGroupStart = groupStart_;
        groupStart_ = false;
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && pos_ < in_.size() && std::isxdigit(static_cast<unsigned char>(in_[pos_]))) {
                const char h = static_cast<char>(std::tolower(static_cast<unsigned char>(in_[pos_])));
                value = value * 16 + (h <= '9' ? h - '0' : h - 'a' + 10);
                ++pos_;
                ++digits;
            }
            if (digits == 0) return;
            literal(static_cast<char>(value));
            return;
        }
        if (c == '*') {
            if (atGroupStart) st().dest = Dest::Skip; // an optional destination we do not know
            return;
        }
        if (skipAfterUnicode_ > 0) {
            --skipAfterUnicode_;
            return;
        }
        switch (c) {
        case '\\': case '{': case '}': literal(c); return;
        case '\r': case '\n': paragraphMark(); return;
        case '~': addChar(u'\u00A0'); return;
        case '_': addChar(u'\u2011'); return;
        case '\t': addChar(u'\t'); return;
        default: return; // \- (optional hyphen), \| \: and the like print nothing
        }
    }

    void keyword(std::string_view w, bool hasParam, int p, bool atGroupStart) {
        State& s = st();
        const bool on = !hasParam || p != 0;
        // destinations
        if (w == "fonttbl") { s.dest = Dest::FontTable; return; }
        if (w == "colortbl") { s.dest = Dest::ColorTable; return; }
        if (w == "pntext" || w == "listtext") { s.label = true; return; }
        if (skippedDestination(w)) {
            if (atGroupStart || w == "pict" || w == "fldinst") s.dest = Dest::Skip;
            return;
        }
        if (w == "bin") {
            pos_ += static_cast<size_t>(std::max(0, p));
            return;
        }
        if (s.dest == Dest::FontTable) {
            if (w == "f") { finishFontEntry(); fontId_ = p; }
            else if (w == "fcharset") fontCharset_ = p;
            else if (w == "cpg") fontCodePage_ = p;
            return;
        }
        if (s.dest == Dest::ColorTable) {
            const int v = std::clamp(p, 0, 255);
            if (w == "red") { color_ = (color_ & 0xFFFF00u) | static_cast<unsigned>(v); colorOpen_ = true; }
            else if (w == "green") { color_ = (color_ & 0xFF00FFu) | (static_cast<unsigned>(v) << 8); colorOpen_ = true; }
            else if (w == "blue") { color_ = (color_ & 0x00FFFFu) | (static_cast<unsigned>(v) << 16); colorOpen_ = true; }
            return;
        }
        if (w == "ansicpg") { if (p > 0) ansiCodePage_ = p; return; }
        if (w == "deff") { defaultFont_ = p; return; }
        if (s.dest == Dest::Skip) return;

        // text
        if (w == "par" || w == "row" || w == "sect") { paragraphMark(); return; }
        if (w == "line" || w == "softline") { addChar(u'\v'); return; }
        if (w == "page") { addChar(u'\f'); return; }
        if (w == "tab" || w == "cell" || w == "nestcell") { addChar(u'\t'); return; }
        if (w == "u") {
            addChar(static_cast<char16_t>(p < 0 ? p + 65536 : p));
            skipAfterUnicode_ = s.uc;
            return;
        }
        if (w == "uc") { s.uc = std::clamp(p, 0, 16); return; }
        static const std::map<std::string_view, char16_t> specials = {
            {"emdash", u'\u2014'}, {"endash", u'\u2013'}, {"lquote", u'\u2018'}, {"rquote", u'\u2019'},
            {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"bullet", u'\u2022'},
            {"emspace", u' '}, {"enspace", u' '}, {"qmspace", u' '},
        };
        if (const auto it = specials.find(w); it != specials.end()) { addChar(it->second); return; }

        // character formatting
        if (w == "plain") {
            flushBytes();
            const ParaProps para = s.para;
            const int uc = s.uc;
            const Dest dest = s.dest;
            const bool label = s.label;
            s = State{};
            s.para = para, s.uc = uc, s.dest = dest, s.label = label;
            return;
        }
        if (w == "f") { flushBytes(); s.font = p; return; }
        if (w == "fs") { s.halfPoints = p > 0 ? std::min(p, 3276) : 24; return; }
        if (w == "b") { s.bold = on; return; }
        if (w == "i") { s.italic = on; return; }
        if (w == "strike" || w == "striked") { s.strike = on; return; }
        if (w == "ulnone") { s.underline = false; return; }
        if (w.substr(0, 2) == "ul" && w != "ulc") { s.underline = on; return; }
        if (w == "cf") { s.color = p; return; }
        if (w == "v") { flushBytes(); s.hidden = on; return; }

        // paragraph formatting
        if (w == "pard") { s.para = ParaProps{}; return; }
        if (w == "ql") { s.para.align = Align::Left; return; }
        if (w == "qc") { s.para.align = Align::Center; return; }
        if (w == "qr") { s.para.align = Align::Right; return; }
        if (w == "qj") { s.para.align = Align::Justify; return; }
        if (w == "li") { s.para.left = p; return; }
        if (w == "ri") { s.para.right = p; return; }
        if (w == "fi") { s.para.first = p; return; }
        if (w == "sb") { s.para.before = std::max(0, p); return; }
        if (w == "sa") { s.para.after = std::max(0, p); return; }
        if (w == "tx" || w == "tb") {
            if (p > 0 && s.para.tabs.size() < 64) {
                auto& t = s.para.tabs;
                t.insert(std::upper_bound(t.begin(), t.end(), p), p);
            }
            return;
        }
        // everything else (\rtf, \deflang, \viewkind, \trowd, \intbl, ...) changes nothing printed
    }

    // --- the font and colour tables

    void finishFontEntry() {
        if (fontId_ >= 0) {
            Font f;
            std::string name = fontName_;
            while (!name.empty() && (name.back() == ' ' || name.back() == ';')) name.pop_back();
            while (!name.empty() && name.front() == ' ') name.erase(name.begin());
            f.name = name;
            f.charset = fontCharset_;
            f.codePage = fontCodePage_;
            fonts_[fontId_] = f;
        }
        fontId_ = -1;
        fontName_.clear();
        fontCharset_ = 1;
        fontCodePage_ = 0;
    }

    int codePageOfFont(int id) const {
        const auto it = fonts_.find(id < 0 ? defaultFont_ : id);
        if (it == fonts_.end()) return ansiCodePage_;
        if (it->second.codePage > 0) return it->second.codePage;
        return codePageOfCharset(it->second.charset, ansiCodePage_);
    }

    int formatIndex(const State& s) {
        CharFormat f;
        const auto font = fonts_.find(s.font < 0 ? defaultFont_ : s.font);
        if (font != fonts_.end()) {
            f.face = decode_(ansiCodePage_, font->second.name);
            f.charset = font->second.charset;
        }
        f.halfPoints = s.halfPoints;
        f.bold = s.bold;
        f.italic = s.italic;
        f.underline = s.underline;
        f.strike = s.strike;
        f.color = s.color >= 0 && static_cast<size_t>(s.color) < colors_.size() ? colors_[static_cast<size_t>(s.color)]
                                                                                : kAutoColor;
        if (lastFormat_ >= 0 && doc_.formats[static_cast<size_t>(lastFormat_)] == f) return lastFormat_;
        const auto it = std::find(doc_.formats.begin(), doc_.formats.end(), f);
        if (it != doc_.formats.end()) {
            lastFormat_ = static_cast<int>(it - doc_.formats.begin());
        } else {
            doc_.formats.push_back(std::move(f));
            lastFormat_ = static_cast<int>(doc_.formats.size() - 1);
        }
        return lastFormat_;
    }

    // --- text

    void addByte(char c) {
        const int cp = codePageOfFont(st().font);
        if (!bytes_.empty() && (bytesCodePage_ != cp || bytesFormatChanged())) flushBytes();
        if (bytes_.empty()) {
            bytesCodePage_ = cp;
            bytesState_ = st();
        }
        bytes_ += c;
    }

    bool bytesFormatChanged() {
        const State& a = bytesState_;
        const State& b = st();
        return a.font != b.font || a.halfPoints != b.halfPoints || a.bold != b.bold || a.italic != b.italic ||
               a.underline != b.underline || a.strike != b.strike || a.color != b.color || a.label != b.label;
    }

    void flushBytes() {
        if (bytes_.empty()) return;
        std::string bytes;
        bytes.swap(bytes_);
        append(decode_(bytesCodePage_, bytes), bytesState_);
    }

    void addChar(char16_t c) {
        if (st().dest != Dest::Text || st().hidden) return;
        flushBytes();
        append(std::u16string(1, c), st());
    }

    void append(const std::u16string& text, const State& s) {
        if (text.empty()) return;
        lastTextState_ = s;
        const int format = formatIndex(s);
        const bool counted = !s.label;
        if (!current_.runs.empty() && current_.runs.back().format == format && current_.runs.back().counted == counted) {
            current_.runs.back().text += text;
        } else {
            current_.runs.push_back(Run{text, format, counted});
        }
    }

    void paragraphMark() {
        if (st().dest != Dest::Text) return;
        flushBytes();
        endParagraph(st());
    }

    void endParagraph(const State& s) {
        const ParaProps& p = s.para;
        current_.align = p.align;
        current_.leftTwips = p.left;
        current_.rightTwips = p.right;
        current_.firstTwips = p.first;
        current_.spaceBeforeTwips = p.before;
        current_.spaceAfterTwips = p.after;
        current_.tabStopsTwips = p.tabs;
        current_.markFormat = formatIndex(s);
        doc_.paragraphs.push_back(std::move(current_));
        current_ = Paragraph{};
    }

    std::string_view in_;
    const Decoder& decode_;
    size_t pos_ = 0;
    RtfDocument doc_;
    std::vector<State> state_;
    size_t overflow_ = 0; // groups opened beyond kMaxDepth
    bool groupStart_ = false;
    int skipAfterUnicode_ = 0;
    Paragraph current_;
    int lastFormat_ = -1;

    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
    std::map<int, Font> fonts_;
    int fontId_ = -1;
    std::string fontName_;
    int fontCharset_ = 1;
    int fontCodePage_ = 0;
    std::vector<std::uint32_t> colors_;
    std::uint32_t color_ = 0;
    bool colorOpen_ = false;

    std::string bytes_; // 8-bit text not yet decoded, all in one code page and format
    int bytesCodePage_ = 0;
    State bytesState_;
    State lastTextState_;
};

} // namespace

int codePageOfCharset(int charset, int ansiCodePage) {
    switch (charset) {
    case 0: return 1252;
    case 2: return 42; // symbol fonts
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return ansiCodePage;
    }
}

RtfDocument readRtf(std::string_view rtf, const Decoder& decode) { return Reader(rtf, decode).run(); }

void dropCharacters(RtfDocument& doc, long count) {
    size_t whole = 0; // paragraphs dropped entirely
    for (auto& para : doc.paragraphs) {
        if (count <= 0) break;
        long inPara = 0;
        for (const auto& r : para.runs)
            if (r.counted) inPara += static_cast<long>(r.text.size());
        if (count > inPara) { // the paragraph and its mark
            count -= inPara + 1;
            ++whole;
            continue;
        }
        std::vector<Run> kept;
        for (auto& r : para.runs) {
            if (!r.counted) {
                if (count == 0) kept.push_back(std::move(r)); // a label of a paragraph not begun
                continue;
            }
            const long n = static_cast<long>(r.text.size());
            if (count >= n) {
                count -= n;
                continue;
            }
            r.text.erase(0, static_cast<size_t>(count));
            count = 0;
            kept.push_back(std::move(r));
        }
        para.runs = std::move(kept);
        count = 0;
    }
    doc.paragraphs.erase(doc.paragraphs.begin(), doc.paragraphs.begin() + static_cast<long>(whole));
}

} // namespace document
