// settings/recent.h — the recent files: the last files opened or saved, newest first, kept in
// the settings file's section "Posledni"
#pragma once
#include "settings/ini.h"

#include <string>
#include <string_view>
#include <vector>

namespace settings {

// Whether two full paths name the same file as Windows compares them: without regard to case
// (the letters of Windows-1250 too, "Č" and "č"), "/" the same as "\".
bool samePath(std::string_view a, std::string_view b);

class RecentFiles {
public:
    static constexpr std::size_t kMax = 8;

    const std::vector<std::string>& paths() const { return paths_; }
    bool empty() const { return paths_.empty(); }

    // `path` (a full path) becomes the newest; an entry for the same file goes, and so does the
    // oldest beyond kMax. An empty path changes nothing.
    void add(const std::string& path);
    // Drops the entry for the same file as `path`; false when there was none.
    bool remove(std::string_view path);

    // The entries of section "Posledni" (keys Soubor1..Soubor8, in that order); keys missing or
    // empty are skipped, repeats of a file kept once.
    void load(const IniDocument& file);
    // Writes Soubor1..Soubor8 (empty beyond the list's length); nothing else of the file changes.
    void store(IniDocument& file) const;

    bool operator==(const RecentFiles&) const = default;

private:
    std::vector<std::string> paths_;
};

// The section of the settings file that holds the recent files.
extern const char* const kRecentSection;

} // namespace settings
