// rtf/control_check.cpp — what the rich-edit control cannot read
#include "rtf/control_check.h"

namespace rtf {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The state of one pass: the open groups, and the name being read in a font table or style
// sheet (from its first token up to a ';' or the end of its group).
class Pass {
public:
    explicit Pass(std::string_view in) : in_(in) {}
    ControlCheck run();

private:
    bool groupStart(); // false when too deep
    bool groupEnd();   // true at the end of the outermost group
    bool controlWord(std::size_t start);
    void backslash();
    bool text();
    bool nameToken(std::size_t at, std::size_t count = 1, bool character = false);
    bool tableWord(std::string_view word, std::string_view number, std::size_t start);
    ControlCheck finish(ControlCheck result); // the end of the text: a row left open

    std::string_view in_;
    std::size_t i_ = 0, depth_ = 0, complete_ = 0;
    std::size_t tableDepth_ = 0; // depth of the font table or style sheet group, 0 outside
    std::size_t nameStart_ = 0, nameLength_ = 0;
    // Tables: the \itap of each open group (a group keeps the paragraph's properties of the one
    // around it and gives them back at its end), the depth of a {\*\nesttableprops} group, and
    // per nesting level (1 the outer table) the cells of the row being read and the edges its
    // definition gave; deeper levels than kLevels are not followed (the depth limit stops them).
    static constexpr std::size_t kLevels = 16;
    std::size_t itap_[kControlMaxDepth + 2] = {};
    std::size_t nestProps_ = 0;
    std::size_t cells_[kLevels + 1] = {}, edges_[kLevels + 1] = {};
    bool cellEnded_ = false;    // the word just read ended an outer cell
    std::size_t lastCellEnd_ = 0, rowStart_ = 0;
    std::size_t edgesAtLastCell_ = 0; // the edges the row had where the \row will be put
    ControlCheck found_;
};

bool Pass::tableWord(std::string_view word, std::string_view number, std::size_t start) {
    if (tableDepth_) return true; // the font table and the style sheet take no part in tables
    const bool nested = word.starts_with("nest") || (nestProps_ && (word == "cellx" || word == "trowd"));
    if (word == "itap") {
        std::size_t n = 0;
        for (char d : number.substr(0, 3)) n = n * 10 + static_cast<std::size_t>(d - '0');
        itap_[depth_] = n;
        return true;
    }
    if (word == "pard") {
        itap_[depth_] = 0;
        return true;
    }
    if (word != "cell" && word != "nestcell" && word != "row" && word != "nestrow" && word != "cellx" && word != "trowd")
        return true;
    const std::size_t level = nested ? (itap_[depth_] < 2 ? 2 : itap_[depth_]) : 1;
    if (level > kLevels) return true;
    if (word == "trowd") {
        edges_[level] = 0;
    } else if (word == "cellx") {
        ++edges_[level];
    } else if (word == "cell" || word == "nestcell") {
        if (level == 1) {
            if (cells_[1] == 0) rowStart_ = start;
            cellEnded_ = true;
        }
        if (++cells_[level] > kControlMaxCells) {
            found_ = {ControlCheck::BadTable, start};
            return false;
        }
    } else { // the end of a row: each cell needs its edge
        const bool bad = cells_[level] > edges_[level];
        cells_[level] = 0;
        if (bad) {
            found_ = {ControlCheck::BadTable, start};
            return false;
        }
    }
    return true;
}

bool Pass::nameToken(std::size_t at, std::size_t count, bool character) {
    if (!tableDepth_ || (nameLength_ == 0 && !character)) return true; // a name starts with a character
    if (nameLength_ == 0) nameStart_ = at;
    nameLength_ += count;
    if (nameLength_ <= kControlMaxName) return true;
    found_ = {ControlCheck::LongName, nameStart_};
    return false;
}

bool Pass::groupStart() {
    if (++depth_ > kControlMaxDepth) {
        found_ = {ControlCheck::TooDeep, i_};
        return false;
    }
    itap_[depth_] = itap_[depth_ - 1];
    complete_ = ++i_;
    return nameToken(i_ - 1);
}

bool Pass::groupEnd() {
    complete_ = ++i_;
    nameLength_ = 0;
    if (depth_ == 0) return false;
    if (depth_ == nestProps_) nestProps_ = 0;
    if (depth_-- == tableDepth_) tableDepth_ = 0;
    return depth_ == 0; // the control reads nothing after the outermost group
}

bool Pass::controlWord(std::size_t start) {
    const std::size_t letters = i_;
    while (i_ < in_.size() && isLetter(in_[i_])) ++i_;
    const std::string_view word = in_.substr(letters, i_ - letters);
    if (i_ < in_.size() && in_[i_] == '-') ++i_;
    const std::size_t digits = i_;
    while (i_ < in_.size() && isDigit(in_[i_])) ++i_;
    if (i_ - start > kControlMaxWord) {
        found_ = {ControlCheck::LongWord, start};
        return false;
    }
    if (word == "nesttableprops" && !nestProps_) nestProps_ = depth_;
    // a word cut by the end is left out of the text the control gets: it ends no cell or row
    if (i_ < in_.size() && !tableWord(word, in_.substr(digits, i_ - digits), start)) return false;
    if (!tableDepth_ && (word == "fonttbl" || word == "stylesheet")) tableDepth_ = depth_;
    else if (!nameToken(start)) return false;
    if (i_ < in_.size()) complete_ = in_[i_] == ' ' ? ++i_ : i_; // a space ends the word
    if (cellEnded_ && complete_ == i_) { // a word cut by the end is no cell
        lastCellEnd_ = i_;
        edgesAtLastCell_ = edges_[1];
    }
    cellEnded_ = false;
    return true;
}

bool Pass::text() {
    const std::size_t start = i_;
    const std::size_t next = in_.find_first_of(tableDepth_ ? "{}\\;" : "{}\\", i_);
    complete_ = i_ = next == std::string_view::npos ? in_.size() : next;
    if (i_ > start && !nameToken(start, i_ - start, true)) return false;
    if (i_ < in_.size() && in_[i_] == ';') {
        nameLength_ = 0; // the name ends
        complete_ = ++i_;
    }
    return true;
}

ControlCheck Pass::run() {
    while (i_ < in_.size()) {
        const char c = in_[i_];
        bool goOn = true;
        if (c == '{') {
            goOn = groupStart();
        } else if (c == '}') {
            if (groupEnd()) return finish({});
        } else if (c == '\\') {
            const std::size_t start = i_++;
            if (i_ < in_.size() && isLetter(in_[i_])) {
                goOn = controlWord(start);
            } else if (i_ < in_.size() && in_[i_] == '\'') {
                if (in_.size() - i_ > 2) complete_ = i_ += 3; // \'xx
                else i_ = in_.size();
                goOn = nameToken(start, 1, true);
            } else if (i_ < in_.size()) {
                complete_ = ++i_; // a control symbol
                goOn = nameToken(start);
            }
        } else {
            goOn = text();
        }
        if (!goOn) return found_;
    }
    if (depth_ == 0) return finish({});
    ControlCheck truncated{ControlCheck::Truncated};
    truncated.openGroups = depth_;
    truncated.complete = complete_;
    return finish(truncated);
}

ControlCheck Pass::finish(ControlCheck result) {
    if (cells_[1] == 0 || lastCellEnd_ == 0) return result;
    if (cells_[1] > edgesAtLastCell_ || cells_[1] > edges_[1]) return {ControlCheck::BadTable, rowStart_};
    if (result.kind == ControlCheck::Truncated && lastCellEnd_ > result.complete) return result;
    result.openRow = true;
    result.openRowEnd = lastCellEnd_;
    return result;
}

} // namespace

ControlCheck checkForControl(std::string_view rtf) { return Pass(rtf).run(); }

std::string closeGroups(std::string_view rtf, const ControlCheck& check) {
    std::string whole(check.kind == ControlCheck::Truncated ? rtf.substr(0, check.complete) : rtf);
    if (check.kind == ControlCheck::Truncated) whole.append(check.openGroups, '}');
    if (check.openRow && check.openRowEnd <= whole.size()) whole.insert(check.openRowEnd, "\\row ");
    return whole;
}

} // namespace rtf
