// lang/foreign.cpp — guarded calls into a language library and checked reads of its memory
#include "lang/foreign.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace language {
namespace {

static_assert(sizeof(void*) == 8, "the abandoned call resumes through the x64 context");

constexpr DWORD kAbandoned = 0xC0DEFA17; // exit code of a thread whose call faulted

// The one call in progress: the user-interface thread waits for it, so there is never a second.
DWORD callThread = 0;
LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;

struct Call {
    void (*fn)(void*);
    void* arg;
};

DWORD WINAPI runCall(void* p) noexcept {
    auto* call = static_cast<Call*>(p);
    call->fn(call->arg);
    return 0;
}

[[noreturn]] void abandonCall() noexcept { ExitThread(kAbandoned); }

// The filter of exceptions no handler took: the library's own handlers have had their chance.
// On the call's thread it gives up the whole stack (a fault may be a stack overflow) and goes on
// at abandonCall near the top of it; any other thread goes to the filter that was there before.
LONG WINAPI onUnhandled(EXCEPTION_POINTERS* info) {
    if (GetCurrentThreadId() != callThread) return previousFilter ? previousFilter(info) : EXCEPTION_CONTINUE_SEARCH;
    const auto* tib = reinterpret_cast<const NT_TIB*>(NtCurrentTeb());
    const auto top = reinterpret_cast<std::uintptr_t>(tib->StackBase);
    // 16-byte aligned less the return address, as at the entry of a called function
    info->ContextRecord->Rsp = ((top - 0x800) & ~std::uintptr_t{15}) - 8;
    info->ContextRecord->Rip = reinterpret_cast<std::uintptr_t>(&abandonCall);
    return EXCEPTION_CONTINUE_EXECUTION;
}

bool accessible(const void* p, std::size_t bytes, DWORD allowed) {
    auto at = reinterpret_cast<std::uintptr_t>(p);
    if (!p || at + bytes < at) return false;
    const std::uintptr_t end = at + bytes;
    do {
        MEMORY_BASIC_INFORMATION mbi{};
        if (!VirtualQuery(reinterpret_cast<const void*>(at), &mbi, sizeof mbi)) return false;
        if (mbi.State != MEM_COMMIT || (mbi.Protect & (PAGE_GUARD | PAGE_NOACCESS)) || !(mbi.Protect & allowed))
            return false;
        at = reinterpret_cast<std::uintptr_t>(mbi.BaseAddress) + mbi.RegionSize;
    } while (at < end);
    return true;
}

constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                            PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
constexpr DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;

} // namespace

CallOutcome callForeign(void (*fn)(void*), void* arg, unsigned long timeoutMs) {
    Call call{fn, arg};
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 1024 * 1024, runCall, &call, CREATE_SUSPENDED | STACK_SIZE_PARAM_IS_A_RESERVATION, &id);
    if (!thread) { // no thread to spare: the call runs here, unguarded, as it always could
        fn(arg);
        return CallOutcome::Returned;
    }
    callThread = id;
    previousFilter = SetUnhandledExceptionFilter(onUnhandled);
    ResumeThread(thread);
    CallOutcome outcome = CallOutcome::Returned;
    if (WaitForSingleObject(thread, timeoutMs) == WAIT_TIMEOUT) {
        // The thread runs nothing but the library's code, which does not come back: it is
        // stopped, and the library is never used again.
        TerminateThread(thread, kAbandoned);
        WaitForSingleObject(thread, INFINITE);
        outcome = CallOutcome::Hung;
    } else {
        DWORD code = 0;
        GetExitCodeThread(thread, &code);
        if (code == kAbandoned) outcome = CallOutcome::Faulted;
    }
    SetUnhandledExceptionFilter(previousFilter);
    previousFilter = nullptr;
    callThread = 0;
    CloseHandle(thread);
    return outcome;
}

bool readableMemory(const void* p, std::size_t bytes) { return accessible(p, bytes, kReadable); }

bool writableMemory(const void* p, std::size_t bytes) { return accessible(p, bytes, kWritable); }

std::optional<std::string> readableText(const char* p, std::size_t maxLength) {
    if (!p) return std::nullopt;
    std::size_t length = 0;
    // region by region: only what VirtualQuery calls readable is looked at
    while (length <= maxLength) {
        const char* at = p + length;
        MEMORY_BASIC_INFORMATION mbi{};
        if (!VirtualQuery(at, &mbi, sizeof mbi) || mbi.State != MEM_COMMIT ||
            (mbi.Protect & (PAGE_GUARD | PAGE_NOACCESS)) || !(mbi.Protect & kReadable))
            return std::nullopt;
        const char* regionEnd = static_cast<const char*>(mbi.BaseAddress) + mbi.RegionSize;
        const std::size_t span = std::min<std::size_t>(static_cast<std::size_t>(regionEnd - at), maxLength + 1 - length);
        if (const void* zero = std::memchr(at, 0, span))
            return std::string(p, static_cast<std::size_t>(static_cast<const char*>(zero) - p));
        length += span;
    }
    return std::nullopt;
}

} // namespace language
