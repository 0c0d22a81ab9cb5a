// settings/ini.cpp — an INI document kept as lines
#include "settings/ini.h"

#include "ui/text.h"

namespace settings {

static std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

IniDocument::IniDocument(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        if (nl == std::string_view::npos) nl = text.size();
        std::string_view raw = text.substr(pos, nl - pos);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        pos = nl + 1;

        Line line{std::string(raw), {}, {}, {}};
        const std::string_view t = trim(raw);
        if (t.size() >= 2 && t.front() == '[') {
            const size_t close = t.find(']');
            if (close != std::string_view::npos) line.section = std::string(trim(t.substr(1, close - 1)));
            if (line.section.empty()) line.section = " "; // "[]" still opens a section, one no key names
        } else if (!t.empty() && t.front() != ';') {
            const size_t eq = t.find('=');
            if (eq != std::string_view::npos && eq > 0) {
                line.key = std::string(trim(t.substr(0, eq)));
                line.value = std::string(trim(t.substr(eq + 1)));
            }
        }
        lines_.push_back(std::move(line));
    }
}

long IniDocument::findSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (!lines_[i].section.empty() && ui::equalsNoCase(lines_[i].section, section))
            return static_cast<long>(i);
    return -1;
}

size_t IniDocument::sectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && lines_[i].section.empty()) ++i;
    return i;
}

std::optional<std::string> IniDocument::get(std::string_view section, std::string_view key) const {
    const long h = findSection(section);
    if (h < 0) return std::nullopt;
    const size_t end = sectionEnd(static_cast<size_t>(h));
    for (size_t i = static_cast<size_t>(h) + 1; i < end; ++i)
        if (!lines_[i].key.empty() && ui::equalsNoCase(lines_[i].key, key)) return lines_[i].value;
    return std::nullopt;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    Line entry{std::string(key) + "=" + std::string(value), {}, std::string(key), std::string(value)};
    long h = findSection(section);
    if (h < 0) {
        lines_.push_back(Line{"[" + std::string(section) + "]", std::string(section), {}, {}});
        lines_.push_back(std::move(entry));
        return;
    }
    size_t end = sectionEnd(static_cast<size_t>(h));
    for (size_t i = static_cast<size_t>(h) + 1; i < end; ++i) {
        if (!lines_[i].key.empty() && ui::equalsNoCase(lines_[i].key, key)) {
            lines_[i].value = std::string(value);
            lines_[i].raw = lines_[i].key + "=" + lines_[i].value;
            return;
        }
    }
    // after the section's last non-blank line, so a blank line between sections stays between them
    while (end > static_cast<size_t>(h) + 1 && trim(lines_[end - 1].raw).empty()) --end;
    lines_.insert(lines_.begin() + static_cast<long>(end), std::move(entry));
}

std::string IniDocument::text() const {
    std::string out;
    for (const auto& l : lines_) {
        out += l.raw;
        out += "\r\n";
    }
    return out;
}

} // namespace settings
