// document/backup_name.cpp — the names and the content rule of backup copies
#include "document/backup_name.h"

#include <atomic>
#include <chrono>
#include <charconv>
#include <random>

namespace document {

std::uint64_t clockSeed() {
    static std::atomic<std::uint64_t> counter{0};
    const auto ticks = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // splitmix64 of the clock and the counter: neighbouring values give unrelated seeds
    std::uint64_t z = ticks + 0x9E3779B97F4A7C15ull * ++counter;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::string appendBackupPart(std::string name, std::uint64_t seed) {
    std::mt19937_64 generator(seed);
    std::uniform_int_distribution<int> letter(0, 25);
    name.reserve(name.size() + kBackupLetters + kBackupExtension.size());
    for (std::size_t i = 0; i < kBackupLetters; ++i) name += static_cast<char>('a' + letter(generator));
    name += kBackupExtension;
    return name;
}

std::string MakeBackupName(std::string name) { return appendBackupPart(std::move(name), clockSeed()); }

std::string settleBackupName(std::string name, const std::function<bool(const std::string&)>& taken) {
    while (taken(name)) name = MakeBackupName(std::move(name));
    return name;
}

bool plainTextReadsAsRtf(std::string_view text) {
    // the control looks for "{\rtf" (or "{\urtf") at the start; any text that opens with "{\",
    // blanks before it or not, is written as RTF, which reads back as the same text whatever the
    // control decides
    const auto first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text.substr(first, 2) == "{\\";
}

namespace {

constexpr std::string_view kRecordHeader = "Notavo backup copy 1";
constexpr std::string_view kRecordEnd = "end";

std::string hex(std::uint64_t v) {
    char buf[17];
    for (int i = 15; i >= 0; --i, v >>= 4) buf[i] = "0123456789abcdef"[v & 15];
    buf[16] = '\0';
    return buf;
}

bool number(std::string_view s, std::uint64_t& out, int base) {
    if (s.empty()) return false;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), out, base);
    return r.ec == std::errc{} && r.ptr == s.data() + s.size();
}

std::string withExtension(std::string_view name, std::string_view from, std::string_view to) {
    if (name.size() > from.size() && name.substr(name.size() - from.size()) == from)
        return std::string(name.substr(0, name.size() - from.size())) + std::string(to);
    return to == kRecordExtension || to == kTemporaryExtension ? std::string(name) + std::string(to) : std::string();
}

} // namespace

std::string recordText(const CopyRecord& r) {
    std::string t(kRecordHeader);
    t += "\r\nowner=" + r.owner + "\r\ndocument=" + std::to_string(r.document) +
         "\r\nsequence=" + std::to_string(r.sequence) + "\r\nsize=" + std::to_string(r.size) +
         "\r\nhash=" + hex(r.hash) + "\r\nfile=" + r.file + "\r\n";
    t += kRecordEnd;
    t += "\r\n";
    return t;
}

std::optional<CopyRecord> parseRecord(std::string_view text) {
    // the lines in the order written, each ended by CR LF; the last one says the record is whole
    constexpr std::string_view keys[] = {"owner=", "document=", "sequence=", "size=", "hash=", "file="};
    std::string_view lines[8];
    std::size_t n = 0;
    while (!text.empty()) {
        const auto eol = text.find("\r\n");
        if (eol == std::string_view::npos || n == std::size(lines)) return std::nullopt;
        lines[n++] = text.substr(0, eol);
        text.remove_prefix(eol + 2);
    }
    if (n != 8 || lines[0] != kRecordHeader || lines[7] != kRecordEnd) return std::nullopt;
    std::string_view v[6];
    for (std::size_t k = 0; k < 6; ++k) {
        if (lines[k + 1].substr(0, keys[k].size()) != keys[k]) return std::nullopt;
        v[k] = lines[k + 1].substr(keys[k].size());
    }
    CopyRecord r;
    r.owner = std::string(v[0]);
    r.file = std::string(v[5]);
    if (r.owner.empty() || r.owner.find_first_of("\\/:*?\"<>|.") != std::string::npos) return std::nullopt;
    if (!number(v[1], r.document, 10) || !number(v[2], r.sequence, 10) || !number(v[3], r.size, 10) ||
        !number(v[4], r.hash, 16))
        return std::nullopt;
    return r;
}

std::uint64_t contentHash(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ull; // FNV-1a
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string recordNameOf(std::string_view copyName) { return withExtension(copyName, kBackupExtension, kRecordExtension); }
std::string temporaryNameOf(std::string_view copyName) {
    return withExtension(copyName, kBackupExtension, kTemporaryExtension);
}
std::string copyNameOfRecord(std::string_view name) { return withExtension(name, kRecordExtension, kBackupExtension); }

std::string newOwnerId() { return hex(clockSeed()); }

} // namespace document
