// lang/listblock.h — reading and building the text list blocks of language libraries
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace language {

// A list longer than this is taken as damaged.
constexpr std::int32_t kMaxEntries = 65536;

// Copies the entries of the block whose first entry pointer is `first`; nullopt when the block
// is missing, damaged (negative or absurd count, a null entry) or has fewer than `minEntries`.
std::optional<std::vector<std::string>> copyEntries(const char* const* first, std::size_t minEntries);

// Drops one reference; returns the block's base address when it reached zero (the caller then
// frees it with the allocator that made it), else nullptr.
void* dropReference(const char* const* first);

// Builds a block with one reference: header, pointers and the texts in one allocation made by
// `alloc`. Returns the first-entry pointer, or nullptr when `alloc` fails.
const char* const* buildBlock(const std::vector<std::string>& texts, void* (*alloc)(std::size_t));

} // namespace language
