// document/rtfruns.cpp — an RTF document read as paragraphs of formatted runs
#include "document/rtfruns.h"

#include "rtf/reader.h"

#include <algorithm>
#include <map>

namespace document {
namespace {

using rtf::Destination;
using rtf::Token;

struct ParaProps {
    Align align = Align::Left;
    int left = 0, right = 0, first = 0, before = 0, after = 0;
    std::vector<int> tabs;
};

struct State {
    int font = -1; // -1: the default font
    int halfPoints = 24;
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    int color = 0; // index into the colour table; 0 is "auto" when the table starts empty
    bool label = false; // inside a list label (\pntext, \listtext)
    ParaProps para;
};

struct Font {
    std::string name;
    int charset = 1;
    int codePage = 0; // \cpg, 0 when not given
};

class Reader {
public:
    Reader(std::string_view rtf, const Decoder& decode) : in_(rtf), decode_(decode) {}

    RtfDocument run() {
        doc_.formats.push_back(CharFormat{});
        state_.push_back(State{});
        Token t;
        while (in_.next(t)) token(t);
        flushBytes();
        // text after the last paragraph mark is a paragraph of its own, formatted as the
        // paragraph was where its text was written (the groups around it have ended)
        if (!current_.runs.empty()) endParagraph(lastTextState_);
        return std::move(doc_);
    }

private:
    State& st() { return state_.back(); }
    // list labels are printed, but are not characters of the text
    bool inText() const {
        const Destination d = in_.destination();
        return d == Destination::Text || d == Destination::ListLabel;
    }

    void token(const Token& t) {
        switch (t.kind) {
        case Token::GroupStart:
            flushBytes();
            state_.push_back(st());
            return;
        case Token::GroupEnd:
            flushBytes();
            if (state_.size() > 1) state_.pop_back();
            if (t.ended == Destination::FontTable && in_.destination() != Destination::FontTable)
                finishFontEntry();
            return;
        case Token::Destination:
            if (t.destination == Destination::ListLabel) st().label = true;
            return;
        case Token::Text:
            for (const char c : t.text) literal(c);
            return;
        case Token::Byte: literal(t.byte); return;
        case Token::Unicode: addChar(t.unicode); return;
        case Token::Symbol: symbol(t.byte); return;
        case Token::Word: keyword(t.word, t.hasParam, t.param); return;
        }
    }

    void literal(char c) {
        switch (in_.destination()) {
        case Destination::Skip: return;
        case Destination::FontTable:
            if (c == ';') {
                finishFontEntry();
            } else {
                fontName_ += c;
            }
            return;
        case Destination::ColorTable:
            if (c == ';') {
                colors_.push_back(colorOpen_ ? color_ : kAutoColor);
                color_ = 0;
                colorOpen_ = false;
            }
            return;
        case Destination::Text:
        case Destination::ListLabel:
            if (st().hidden) return;
            addByte(c);
            return;
        }
    }

    void symbol(char c) {
        const char16_t ch = rtf::characterOfSymbol(c);
        if (c == '\\' || c == '{' || c == '}') {
            literal(c);
        } else if (ch == u'\r') {
            paragraphMark();
        } else if (ch != 0 && ch != u'\u00AD') { // an optional hyphen prints nothing
            addChar(ch);
        }
    }

    void keyword(std::string_view w, bool hasParam, int p) {
        if (in_.destination() == Destination::FontTable) return fontTableWord(w, p);
        if (in_.destination() == Destination::ColorTable) return colorTableWord(w, p);
        if (w == "ansicpg") {
            if (p > 0) ansiCodePage_ = p;
            return;
        }
        if (w == "deff") {
            defaultFont_ = p;
            return;
        }
        if (const char16_t c = rtf::characterOf(w)) return wordCharacter(c);
        if (!characterFormat(w, hasParam, p)) paragraphFormat(w, p);
        // everything else (\rtf, \deflang, \viewkind, \trowd, \intbl, ...) changes nothing printed
    }

    void fontTableWord(std::string_view w, int p) {
        if (w == "f") {
            finishFontEntry();
            fontId_ = p;
        } else if (w == "fcharset") {
            fontCharset_ = p;
        } else if (w == "cpg") {
            fontCodePage_ = p;
        }
    }

    void colorTableWord(std::string_view w, int p) {
        const auto v = static_cast<unsigned>(std::clamp(p, 0, 255));
        if (w == "red") {
            color_ = (color_ & 0xFFFF00u) | v;
        } else if (w == "green") {
            color_ = (color_ & 0xFF00FFu) | (v << 8);
        } else if (w == "blue") {
            color_ = (color_ & 0x00FFFFu) | (v << 16);
        } else {
            return;
        }
        colorOpen_ = true;
    }

    void wordCharacter(char16_t c) {
        if (c == u'\r') return paragraphMark();
        if (c >= u'\u200C' && c <= u'\u200F') return; // zero-width marks print nothing
        // the layout measures the typographic spaces as ordinary ones
        addChar(c == u'\u2002' || c == u'\u2003' || c == u'\u2005' ? u' ' : c);
    }

    bool characterFormat(std::string_view w, bool hasParam, int p) {
        State& s = st();
        const bool on = !hasParam || p != 0;
        if (w == "plain") {
            flushBytes();
            State plain;
            plain.para = s.para;
            plain.label = s.label;
            s = std::move(plain);
        } else if (w == "f") {
            flushBytes();
            s.font = p;
        } else if (w == "fs") {
            s.halfPoints = p > 0 ? std::min(p, 3276) : 24;
        } else if (w == "b") {
            s.bold = on;
        } else if (w == "i") {
            s.italic = on;
        } else if (w == "strike" || w == "striked") {
            s.strike = on;
        } else if (w == "ulnone") {
            s.underline = false;
        } else if (w.substr(0, 2) == "ul" && w != "ulc") {
            s.underline = on;
        } else if (w == "cf") {
            s.color = p;
        } else if (w == "v") {
            flushBytes();
            s.hidden = on;
        } else {
            return false;
        }
        return true;
    }

    void paragraphFormat(std::string_view w, int p) {
        ParaProps& para = st().para;
        if (w == "pard") para = ParaProps{};
        else if (w == "ql") para.align = Align::Left;
        else if (w == "qc") para.align = Align::Center;
        else if (w == "qr") para.align = Align::Right;
        else if (w == "qj") para.align = Align::Justify;
        else if (w == "li") para.left = p;
        else if (w == "ri") para.right = p;
        else if (w == "fi") para.first = p;
        else if (w == "sb") para.before = std::max(0, p);
        else if (w == "sa") para.after = std::max(0, p);
        else if ((w == "tx" || w == "tb") && p > 0 && para.tabs.size() < 64)
            para.tabs.insert(std::upper_bound(para.tabs.begin(), para.tabs.end(), p), p);
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
        if (!inText() || st().hidden) return;
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
        if (!inText()) return;
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

    rtf::Reader in_;
    const Decoder& decode_;
    RtfDocument doc_;
    std::vector<State> state_; // in step with the reader's groups
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
