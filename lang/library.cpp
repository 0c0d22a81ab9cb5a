// lang/library.cpp — finding, loading and reading language libraries
#include "lang/library.h"

#include <windows.h>

#include "lang/foreign.h"
#include "lang/listblock.h"
#include "ui/errors.h"
#include "ui/files.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <set>

namespace language {
namespace {

// A text of a list longer than this is taken as damaged: no caption or message comes near it.
constexpr std::size_t kMaxTextLength = 65536;

struct BlockHeader {
    std::int32_t refcount;
    std::int32_t count;
};

// The libraries found damaged in this run, by path and time of writing: each is refused at once
// from then on instead of being called again. A library replaced since is looked at afresh.
std::set<std::string>& damagedLibraries() {
    static std::set<std::string> known;
    return known;
}

std::string fileIdentity(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA a{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &a)) return path;
    return path + '|' + std::to_string(a.ftLastWriteTime.dwHighDateTime) + ':' +
           std::to_string(a.ftLastWriteTime.dwLowDateTime) + ':' + std::to_string(a.nFileSizeLow);
}

bool insideImage(HMODULE module, const void* p, std::size_t bytes) {
    const auto* base = reinterpret_cast<const unsigned char*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto at = reinterpret_cast<std::uintptr_t>(p), start = reinterpret_cast<std::uintptr_t>(base);
    const std::uintptr_t end = start + nt->OptionalHeader.SizeOfImage;
    return at >= start && at <= end && bytes <= end - at;
}

// What a list export handed over, checked before anything of it is read.
struct Block {
    std::optional<std::vector<std::string>> entries; // nullopt: damaged or too short
    bool damaged = false;                             // pointers or counts that do not hold
    bool onHeap = false;                              // a block of the process heap, freed by us
};

Block readBlock(HMODULE module, const char* const* first, std::size_t minEntries) {
    Block b;
    if (!first) return b; // nothing handed over: an unusable list, not a harmful one
    b.damaged = true;
    const auto at = reinterpret_cast<std::uintptr_t>(first);
    if (at % alignof(const char*) || at < sizeof(BlockHeader)) return b;
    const auto* header = reinterpret_cast<const BlockHeader*>(at - sizeof(BlockHeader));
    if (!readableMemory(header, sizeof *header)) return b;
    const std::int32_t count = header->count;
    if (count < 0 || count > kMaxEntries) return b;
    const std::size_t bytes = sizeof(BlockHeader) + static_cast<std::size_t>(count) * sizeof(const char*);
    // The count must stay inside the block it stands in: the heap block the library allocated,
    // or the library's own image for a list it keeps there.
    const HANDLE heap = GetProcessHeap();
    if (HeapValidate(heap, 0, header)) {
        const SIZE_T size = HeapSize(heap, 0, header);
        if (size == static_cast<SIZE_T>(-1) || size < bytes) return b;
        b.onHeap = true;
    } else if (!insideImage(module, header, bytes)) {
        return b;
    }
    if (!readableMemory(header, bytes)) return b;
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        auto text = readableText(first[i], kMaxTextLength);
        if (!text) return b;
        out.push_back(std::move(*text));
    }
    b.damaged = false;
    if (out.size() >= minEntries) b.entries = std::move(out);
    return b;
}

// Drops the caller's reference; a block of the process heap goes with the last one. A list in
// the library's image has nothing to free, and is left as it is where it cannot be written.
void release(const char* const* first, bool onHeap) {
    auto* header = reinterpret_cast<BlockHeader*>(const_cast<char*>(reinterpret_cast<const char*>(first)) - sizeof(BlockHeader));
    if (!writableMemory(header, sizeof *header)) return;
    if (void* base = dropReference(first); base && onHeap) HeapFree(GetProcessHeap(), 0, base);
}

} // namespace

void useFileErrorTexts(const std::vector<std::string>& extra) {
    if (extra.size() < kExtraTextCount) return;
    ui::setErrorTexts({{ERROR_FILE_NOT_FOUND, extra[xCauseNotFound]},
                       {ERROR_PATH_NOT_FOUND, extra[xCauseFolderGone]},
                       {ERROR_DIRECTORY, extra[xCauseFolderGone]}, // GetTempFileNameA in a folder that is gone
                       {ERROR_BAD_NETPATH, extra[xCauseFolderGone]},
                       {ERROR_SHARING_VIOLATION, extra[xCauseLocked]},
                       {ERROR_LOCK_VIOLATION, extra[xCauseLocked]},
                       {ERROR_ACCESS_DENIED, extra[xCauseDenied]},
                       {ERROR_DISK_FULL, extra[xCauseDiskFull]},
                       {ERROR_HANDLE_DISK_FULL, extra[xCauseDiskFull]},
                       {ERROR_WRITE_PROTECT, extra[xCauseWriteProtected]}});
}

std::vector<std::string> findLibraries(const std::string& folder) {
    std::vector<std::string> paths;
    for (const auto& name : ui::listEntries(folder + "lang.*.dll", true)) paths.push_back(folder + name);
    return paths;
}

std::vector<Candidate> findCandidates(const std::string& folder, std::vector<std::optional<MainTexts>>* texts,
                                      const std::string* wanted) {
    std::vector<Candidate> found;
    if (texts) texts->clear();
    for (const auto& path : findLibraries(folder)) {
        Candidate c{path, std::nullopt};
        const Library lib(path);
        auto read = readMainTexts(lib);
        if (read) c.name = lib.displayName();
        c.damaged = lib.damaged();
        if (c.damaged || !c.name) {
            c.name.reset();
            read.reset();
        }
        if (texts) texts->push_back(std::move(read));
        found.push_back(std::move(c));
        if (wanted && answersWish(found.back(), *wanted)) break;
    }
    return found;
}

Library::Library(const std::string& path) : identity_(fileIdentity(path)) {
    if (damagedLibraries().count(identity_)) {
        damaged_ = true;
        return;
    }
    // a full path: the library is never looked up through the current directory
    module_ = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

Library::~Library() {
    // a library whose code failed stays loaded: its detach code could fail the same way, and a
    // stopped call may have left its state half changed
    if (!module_ || damaged_) return;
    for (const Fetched& f : fetched_) // lists fetched and never read still drop their reference
        if (f.slot.entries && !readBlock(static_cast<HMODULE>(module_), f.slot.entries, 0).damaged)
            release(f.slot.entries, readBlock(static_cast<HMODULE>(module_), f.slot.entries, 0).onHeap);
    FreeLibrary(static_cast<HMODULE>(module_));
}

void Library::markDamaged() const {
    damaged_ = true;
    damagedLibraries().insert(identity_);
}

bool Library::call(void (*fn)(void*), void* arg) const {
    if (damaged_) return false;
    if (callForeign(fn, arg, kForeignCallTimeoutMs) == CallOutcome::Returned) return true;
    markDamaged();
    return false;
}

void* Library::exportOf(const char* name) const {
    if (!module_ || damaged_) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module_), name));
}

void Library::fetch(std::initializer_list<const char*> exportNames, bool name) const {
    struct Args {
        std::vector<Fetched> lists;
        JazykovaMutaceFn nameFn;
        const char* name;
    } args{{}, nullptr, nullptr};
    for (const char* e : exportNames)
        if (void* fn = exportOf(e)) args.lists.push_back({e, fn, {nullptr}});
    if (name) args.nameFn = reinterpret_cast<JazykovaMutaceFn>(exportOf("jazykovaMutace"));
    if (args.lists.empty() && !args.nameFn) return;
    const auto run = [](void* p) {
        auto* a = static_cast<Args*>(p);
        for (auto& f : a->lists) reinterpret_cast<DejSeznamFn>(f.fn)(&f.slot);
        if (a->nameFn) a->name = a->nameFn();
    };
    if (!call(run, &args)) return;
    fetched_ = std::move(args.lists);
    if (args.nameFn) name_ = args.name;
}

std::optional<std::string> Library::displayName() const {
    const char* got = nullptr;
    if (name_) {
        got = *name_;
        name_.reset();
    } else {
        const auto fn = reinterpret_cast<JazykovaMutaceFn>(exportOf("jazykovaMutace"));
        if (!fn) return std::nullopt;
        struct Args {
            JazykovaMutaceFn fn;
            const char* name;
        } args{fn, nullptr};
        if (!call([](void* p) { auto* a = static_cast<Args*>(p); a->name = a->fn(); }, &args)) return std::nullopt;
        got = args.name;
    }
    if (damaged_ || !got) return std::nullopt;
    auto name = readableText(got, kMaxTextLength);
    if (!name) markDamaged();
    return name;
}

std::optional<std::vector<std::string>> Library::list(const char* exportName, std::size_t minEntries) const {
    struct Args {
        DejSeznamFn fn;
        lang slot;
    } args{nullptr, {nullptr}};
    const auto at = std::find_if(fetched_.begin(), fetched_.end(),
                                 [&](const Fetched& f) { return std::string_view(f.exportName) == exportName; });
    if (at != fetched_.end()) { // handed over already by fetch()
        args.slot = at->slot;
        fetched_.erase(at);
        if (damaged_) return std::nullopt;
    } else {
        args.fn = reinterpret_cast<DejSeznamFn>(exportOf(exportName));
        if (!args.fn) return std::nullopt;
        if (!call([](void* p) { auto* a = static_cast<Args*>(p); a->fn(&a->slot); }, &args)) return std::nullopt;
    }
    Block block = readBlock(static_cast<HMODULE>(module_), args.slot.entries, minEntries);
    if (block.damaged) {
        markDamaged(); // nothing of it is trusted, not even enough to free it
        return std::nullopt;
    }
    if (args.slot.entries) release(args.slot.entries, block.onHeap);
    return std::move(block.entries);
}

std::optional<MainTexts> readMainTexts(const Library& lib) {
    if (!lib.loaded()) return std::nullopt;
    lib.fetch({"dejMenu", "dejStringy", "dejHint", "dejSaveOpenDialog", "dejSplash", "dejMenuDalsi"}, true);
    auto menu = lib.list("dejMenu", kMenuEntries);
    auto strings = lib.list("dejStringy", kStringEntries);
    auto hints = lib.list("dejHint", kHintEntries);
    auto filter = lib.list("dejSaveOpenDialog", 1);
    auto splash = lib.list("dejSplash", 1);
    if (!menu || !strings || !hints || !filter || !splash) return std::nullopt;
    auto extra = lib.list("dejMenuDalsi", 0);
    if (lib.damaged()) return std::nullopt;
    return MainTexts{std::move(*menu), std::move(*strings), std::move(*hints),
                     std::move(filter->front()), std::move(splash->front()),
                     completeExtraTexts(extra ? std::move(*extra) : std::vector<std::string>{})};
}

std::optional<MainTexts> readMainTexts(const std::string& path) { return readMainTexts(Library(path)); }

} // namespace language
