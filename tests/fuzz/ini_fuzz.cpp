// tests/fuzz/ini_fuzz.cpp — any bytes as a settings file: read, looked up, written and read back
#include "settings/ini.h"
#include "ui/text.h"

#include "check.h"

#include <cstdint>
#include <string>

namespace {

// A name or value the settings code itself would write: no line break, no blank at either end
// (values are trimmed), no '[' ']' '=' ';' (they would change what the line is).
std::string writable(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != '\r' && c != '\n' && c != '[' && c != ']' && c != '=' && c != ';' && c != ' ' && c != '\t' && c != '\0')
            out += c;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    settings::IniDocument doc(bytes);

    // the text written is read back as the same document
    const std::string text = doc.text();
    FUZZ_CHECK(settings::IniDocument(text).text() == text);

    // a section, key and value from the first line of the input: set, then found as set, and
    // every other key the document had keeps its value
    const std::string_view head = bytes.substr(0, bytes.find('\n'));
    const std::string section = writable(head.substr(0, head.size() / 3));
    const std::string key = writable(head.substr(head.size() / 3, head.size() / 3));
    const std::string value = writable(head.substr(2 * head.size() / 3));
    if (section.empty() || key.empty()) return 0;
    const auto before = doc.get("Main", "Key");
    doc.set(section, key, value);
    FUZZ_CHECK(doc.get(section, key) == value);
    const settings::IniDocument again(doc.text());
    FUZZ_CHECK(again.get(section, key) == value);
    if (!ui::equalsNoCase(section, "Main") || !ui::equalsNoCase(key, "Key"))
        FUZZ_CHECK(again.get("Main", "Key") == before);
    return 0;
}
