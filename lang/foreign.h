// lang/foreign.h — calling a language library's code and reading what it hands back, so that a
// library that faults, hangs or returns pointers into nowhere is refused instead of followed
#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace language {

enum class CallOutcome {
    Returned, // the call came back
    Faulted,  // it raised an exception of the processor (access violation, bad instruction, ...)
    Hung,     // it did not come back in time
};

// Runs fn(arg) on a thread of its own and waits up to `timeoutMs` for it. A processor exception
// of that thread abandons the thread instead of ending the program.
CallOutcome callForeign(void (*fn)(void*), void* arg, unsigned long timeoutMs);

// How long one export of a language library may take: it only hands over texts it has.
constexpr unsigned long kForeignCallTimeoutMs = 5000;

// True when the `bytes` from `p` on lie in committed memory the program may read.
bool readableMemory(const void* p, std::size_t bytes);

// True when the `bytes` from `p` on lie in committed memory the program may write.
bool writableMemory(const void* p, std::size_t bytes);

// A copy of the zero-terminated text at `p` when all of it, terminator included, lies in
// readable memory within `maxLength` characters; nullopt otherwise.
std::optional<std::string> readableText(const char* p, std::size_t maxLength);

} // namespace language
