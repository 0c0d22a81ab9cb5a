// document/backup_name.h — the names and the content rule of backup copies (no Win32 needed)
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
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

// --- the record kept beside each copy ("name.bcp" has "name.bci")

// Who wrote a copy and for which document. The record is written before the copy's bytes,
// so that a copy found complete under its temporary name can be told from a torn one.
struct CopyRecord {
    std::string owner;          // the instance that wrote it (its lock file "<owner>.own")
    std::uint64_t document = 0; // the document within that instance
    std::uint64_t sequence = 0; // grows with every copy of that document: the newest is highest
    std::uint64_t size = 0;     // the copy's bytes: their number and their hash
    std::uint64_t hash = 0;
    std::string file;           // the file the document belongs to; empty for an untitled one
    bool operator==(const CopyRecord&) const = default;
};

inline constexpr std::string_view kRecordExtension = ".bci";
inline constexpr std::string_view kTemporaryExtension = ".tmp";
inline constexpr std::string_view kOwnerExtension = ".own";

std::string recordText(const CopyRecord& record);
// nullopt for anything but a whole record (a write cut short, a stranger's file).
std::optional<CopyRecord> parseRecord(std::string_view text);
std::uint64_t contentHash(std::string_view bytes);
// "x.bcp" -> "x.bci" and "x.tmp"; any other name is returned with the extension appended.
std::string recordNameOf(std::string_view copyName);
std::string temporaryNameOf(std::string_view copyName);
// "x.bci" -> "x.bcp"; "" when `name` is no record's name.
std::string copyNameOfRecord(std::string_view name);
// An instance's name: 16 lowercase hexadecimal digits, drawn from the clock.
std::string newOwnerId();

} // namespace document
