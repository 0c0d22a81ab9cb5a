// ui/unique.h — move-only owners of Win32 handles
#pragma once
#include <windows.h>

#include <utility>

namespace ui {

template <class T> class Unique {
public:
    using H = decltype(T::invalid());
    Unique() = default;
    explicit Unique(H h) : h_(h) {}
    Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, T::invalid())) {}
    Unique& operator=(Unique&& o) noexcept {
        reset(std::exchange(o.h_, T::invalid()));
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { reset(); }
    H get() const { return h_; }
    H release() { return std::exchange(h_, T::invalid()); }
    explicit operator bool() const { return h_ != T::invalid(); }
    void reset(H h = T::invalid()) {
        if (h_ != T::invalid()) T::close(h_);
        h_ = h;
    }

private:
    H h_ = T::invalid();
};

struct FileTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { CloseHandle(h); }
};
struct FindTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { FindClose(h); }
};
struct ModuleTraits {
    static HMODULE invalid() { return nullptr; }
    static void close(HMODULE h) { FreeLibrary(h); }
};
struct GdiTraits {
    static HGDIOBJ invalid() { return nullptr; }
    static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct MenuTraits {
    static HMENU invalid() { return nullptr; }
    static void close(HMENU h) { DestroyMenu(h); }
};

using UniqueFile = Unique<FileTraits>;
using UniqueFind = Unique<FindTraits>;
using UniqueModule = Unique<ModuleTraits>;
using UniqueGdi = Unique<GdiTraits>;
using UniqueMenu = Unique<MenuTraits>;

// Base of the wrappers that own a handle or that Win32 and other objects know by address (a
// subclass procedure's data, an action's clients): never copied, and so never moved either.
class Pinned {
public:
    Pinned(const Pinned&) = delete;
    Pinned& operator=(const Pinned&) = delete;

protected:
    Pinned() = default;
    ~Pinned() = default;
};

// Runs a function when the scope ends, unless dismissed.
template <class F> class ScopeExit {
public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ~ScopeExit() {
        if (armed_) f_();
    }
    void dismiss() { armed_ = false; }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F f_;
    bool armed_ = true;
};

} // namespace ui
