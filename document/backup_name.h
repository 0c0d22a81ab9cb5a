// document/backup_name.h — the names and the content rule of backup copies (no Win32 needed)
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace document {

// One name part: this many letters 'a'–'z', then ".bcp".
inline constexpr std::size_t kBackupLetters = 11;
inline constexpr std::string_view kBackupExtension = ".bcp";

// A seed taken from the clock, mixed with a counter so that two parts drawn within one tick of
// the clock still differ.
std::uint64_t clockSeed();

// `name` followed by one name part whose letters are drawn uniformly by a generator seeded with
// `seed`.
std::string appendBackupPart(std::string name, std::uint64_t seed);

// `name` followed by one name part, the generator reseeded from the clock.
std::string MakeBackupName(std::string name);

// The first name, starting from `name` and growing it by MakeBackupName, for which `taken` is
// false.
std::string settleBackupName(std::string name, const std::function<bool(const std::string&)>& taken);

// A plain-text copy is read back in rich-text mode, so a text that the control would take for
// RTF comes back as something else. True for such a text: the copy must then be written as RTF.
bool plainTextReadsAsRtf(std::string_view text);

} // namespace document
