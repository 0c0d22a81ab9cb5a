// tests/fuzz/backup_name_fuzz.cpp — backup copy names grown from any name and seed, the rule
// that decides whether a plain text must be kept as RTF, and the record read back beside a copy
#include "document/backup_name.h"
#include "document/encoding.h"

#include "check.h"

#include <cstdint>
#include <cstring>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::uint64_t seed = 0;
    std::memcpy(&seed, data, std::min<std::size_t>(size, sizeof seed));

    // a part is the name as it was, eleven letters a-z and ".bcp"
    const std::string name(bytes.substr(0, bytes.find('\0')));
    const std::string grown = document::appendBackupPart(name, seed);
    FUZZ_CHECK(grown.size() == name.size() + document::kBackupLetters + document::kBackupExtension.size());
    FUZZ_CHECK(grown.compare(0, name.size(), name) == 0);
    for (std::size_t i = name.size(); i < name.size() + document::kBackupLetters; ++i)
        FUZZ_CHECK(grown[i] >= 'a' && grown[i] <= 'z');
    FUZZ_CHECK(grown.ends_with(document::kBackupExtension));

    // settling stops at the first free name, however many names are taken
    std::set<std::string> taken;
    std::string n = name;
    for (std::size_t i = 0; i < size % 5; ++i) taken.insert(n = document::appendBackupPart(n, seed + i));
    taken.insert(name);
    const std::string settled = document::settleBackupName(name, [&](const std::string& s) { return taken.count(s) > 0; });
    FUZZ_CHECK(!taken.count(settled) && settled.starts_with(name));

    // a text that the control would read as RTF is always written as RTF
    const std::string_view opened = bytes.substr(std::min(size, bytes.find_first_not_of(" \t\r\n")));
    if (document::isRtf(opened) || opened.starts_with("{\\urtf")) FUZZ_CHECK(document::plainTextReadsAsRtf(bytes));

    // a record found in the data folder (any bytes) that reads as one writes back as a record
    // that reads the same; its owner can name no other folder or file
    if (const auto record = document::parseRecord(bytes)) {
        FUZZ_CHECK(document::parseRecord(document::recordText(*record)) == record);
        FUZZ_CHECK(!record->owner.empty() && record->owner.find_first_of("\\/:.") == std::string::npos);
    }
    return 0;
}
