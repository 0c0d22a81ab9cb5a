// document/backup_name.cpp — the names and the content rule of backup copies
#include "document/backup_name.h"

#include <atomic>
#include <chrono>
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

} // namespace document
