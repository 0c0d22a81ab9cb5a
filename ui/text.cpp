// ui/text.cpp — small string rules shared by every module
#include "ui/text.h"

#include <cctype>
#include <charconv>

namespace ui {

std::string withFullStop(std::string text) {
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

std::string aboutFile(std::string_view path, std::string_view cause) {
    std::string text(path);
    text += "\n\n";
    text += cause;
    return text;
}

static size_t afterFolder(std::string_view path) {
    const size_t p = path.find_last_of("\\/:");
    return p == std::string_view::npos ? 0 : p + 1;
}

std::string baseName(std::string_view path) { return std::string(path.substr(afterFolder(path))); }

std::string folderOf(std::string_view path) { return std::string(path.substr(0, afterFolder(path))); }

std::string extensionOf(std::string_view path) {
    const size_t start = afterFolder(path);
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot < start) return {};
    return std::string(path.substr(dot));
}

std::string withExtension(std::string_view path, std::string_view ext) {
    const std::string old = extensionOf(path);
    std::string out(path.substr(0, path.size() - old.size()));
    out += ext;
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x < 0x80 && y < 0x80) {
            if (std::tolower(x) != std::tolower(y)) return false;
        } else if (x != y) {
            return false;
        }
    }
    return true;
}

bool parseInt(std::string_view text, long long& out) {
    if (text.empty()) return false;
    int base = 10;
    if (text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
        if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    } else if (text[0] == '+') {
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, base);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    out = v;
    return true;
}

} // namespace ui
