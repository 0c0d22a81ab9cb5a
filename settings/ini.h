// settings/ini.h — an INI document kept as lines, so that a rewrite keeps what it does not own
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// Sections "[name]" and "key=value" lines. Names match without regard to ASCII case; values
// are trimmed of blanks. Lines the document does not understand are kept as they are.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    // Replaces the key where it stands; a missing key goes to the end of its section, a missing
    // section to the end of the document.
    void set(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const; // lines joined with CR LF

private:
    struct Line {
        std::string raw;
        std::string section; // set on a section header line
        std::string key;     // set on a key line
        std::string value;
    };
    // Index of the header of `section`, or -1; and the end (exclusive) of its lines.
    long findSection(std::string_view section) const;
    size_t sectionEnd(size_t header) const;

    std::vector<Line> lines_;
};

} // namespace settings
