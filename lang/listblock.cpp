// lang/listblock.cpp — reading and building the text list blocks of language libraries
#include "lang/listblock.h"

#include <cstring>

namespace language {
namespace {

struct Header {
    std::int32_t refcount;
    std::int32_t count;
};
static_assert(sizeof(Header) == 8, "the pointers after the header stay 8-byte aligned");

Header* headerOf(const char* const* first) {
    return reinterpret_cast<Header*>(const_cast<char*>(reinterpret_cast<const char*>(first)) - sizeof(Header));
}

} // namespace

std::optional<std::vector<std::string>> copyEntries(const char* const* first, std::size_t minEntries) {
    if (!first) return std::nullopt;
    const Header* h = headerOf(first);
    if (h->count < 0 || h->count > kMaxEntries || static_cast<std::size_t>(h->count) < minEntries)
        return std::nullopt;
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(h->count));
    for (std::int32_t i = 0; i < h->count; ++i) {
        if (!first[i]) return std::nullopt;
        out.emplace_back(first[i]);
    }
    return out;
}

void* dropReference(const char* const* first) {
    if (!first) return nullptr;
    Header* h = headerOf(first);
    return --h->refcount <= 0 ? static_cast<void*>(h) : nullptr;
}

const char* const* buildBlock(const std::vector<std::string>& texts, void* (*alloc)(std::size_t)) {
    std::size_t bytes = sizeof(Header) + texts.size() * sizeof(char*);
    for (const auto& t : texts) bytes += t.size() + 1;
    auto* base = static_cast<char*>(alloc(bytes));
    if (!base) return nullptr;
    auto* h = reinterpret_cast<Header*>(base);
    h->refcount = 1;
    h->count = static_cast<std::int32_t>(texts.size());
    auto** ptrs = reinterpret_cast<char**>(base + sizeof(Header));
    char* text = base + sizeof(Header) + texts.size() * sizeof(char*);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::memcpy(text, texts[i].c_str(), texts[i].size() + 1);
        ptrs[i] = text;
        text += texts[i].size() + 1;
    }
    return ptrs;
}

} // namespace language
