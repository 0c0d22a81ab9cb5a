// settings/recent.cpp — the recent files and their section of the settings file
#include "settings/recent.h"

#include <algorithm>

namespace settings {

const char* const kRecentSection = "Posledni";

namespace {

// A Windows-1250 byte folded to its upper case: ASCII, and the code page's letter pairs
// (š/Š 9A/8A ... ž/Ž 9E/8E, ł/Ł, ą/Ą, ş/Ş, ż/Ż, ľ/Ľ, and E0-FE onto C0-DE but for ÷).
unsigned char fold(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
    if (c == '/') return '\\';
    switch (c) {
    case 0x9A: case 0x9C: case 0x9D: case 0x9E: case 0x9F: return static_cast<unsigned char>(c - 0x10);
    case 0xB3: return 0xA3;
    case 0xB9: return 0xA5;
    case 0xBA: return 0xAA;
    case 0xBF: return 0xAF;
    case 0xBE: return 0xBC;
    default: break;
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    return c;
}

std::string key(std::size_t k) { return "Soubor" + std::to_string(k + 1); }

} // namespace

bool samePath(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return fold(static_cast<unsigned char>(x)) == fold(static_cast<unsigned char>(y));
           });
}

void RecentFiles::add(const std::string& path) {
    if (path.empty()) return;
    remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMax) paths_.resize(kMax);
}

bool RecentFiles::remove(std::string_view path) {
    return std::erase_if(paths_, [&](const std::string& p) { return samePath(p, path); }) > 0;
}

void RecentFiles::load(const IniDocument& file) {
    paths_.clear();
    for (std::size_t k = 0; k < kMax; ++k) {
        const auto path = file.get(kRecentSection, key(k));
        if (!path || path->empty()) continue;
        if (std::none_of(paths_.begin(), paths_.end(), [&](const std::string& p) { return samePath(p, *path); }))
            paths_.push_back(*path);
    }
}

void RecentFiles::store(IniDocument& file) const {
    for (std::size_t k = 0; k < kMax; ++k) file.set(kRecentSection, key(k), k < paths_.size() ? paths_[k] : "");
}

} // namespace settings
