// lang/library.cpp — finding, loading and reading language libraries
#include "lang/library.h"

#include <windows.h>

#include "lang/listblock.h"
#include "ui/files.h"

namespace language {

std::vector<std::string> findLibraries(const std::string& folder) {
    std::vector<std::string> paths;
    for (const auto& name : ui::listEntries(folder + "lang.*.dll", true)) paths.push_back(folder + name);
    return paths;
}

std::vector<Candidate> findCandidates(const std::string& folder) {
    std::vector<Candidate> found;
    for (const auto& path : findLibraries(folder)) {
        std::optional<std::string> name;
        if (readMainTexts(path)) name = Library(path).displayName();
        found.push_back({path, std::move(name)});
    }
    return found;
}

Library::Library(const std::string& path) {
    // a full path: the library is never looked up through the current directory
    module_ = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

Library::~Library() {
    if (module_) FreeLibrary(static_cast<HMODULE>(module_));
}

std::optional<std::string> Library::displayName() const {
    if (!module_) return std::nullopt;
    const auto fn = reinterpret_cast<JazykovaMutaceFn>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module_), "jazykovaMutace")));
    if (!fn) return std::nullopt;
    const char* name = fn();
    if (!name) return std::nullopt;
    return std::string(name);
}

std::optional<std::vector<std::string>> Library::list(const char* exportName, std::size_t minEntries) const {
    if (!module_) return std::nullopt;
    const auto fn = reinterpret_cast<DejSeznamFn>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module_), exportName)));
    if (!fn) return std::nullopt;
    lang slot{nullptr};
    fn(&slot);
    auto copy = copyEntries(slot.entries, minEntries);
    if (slot.entries)
        if (void* base = dropReference(slot.entries)) HeapFree(GetProcessHeap(), 0, base);
    return copy;
}

std::optional<MainTexts> readMainTexts(const std::string& path) {
    const Library lib(path);
    if (!lib.loaded()) return std::nullopt;
    auto menu = lib.list("dejMenu", kMenuEntries);
    auto strings = lib.list("dejStringy", kStringEntries);
    auto hints = lib.list("dejHint", kHintEntries);
    auto filter = lib.list("dejSaveOpenDialog", 1);
    auto splash = lib.list("dejSplash", 1);
    if (!menu || !strings || !hints || !filter || !splash) return std::nullopt;
    auto extra = lib.list("dejMenuDalsi", 0);
    return MainTexts{std::move(*menu), std::move(*strings), std::move(*hints),
                     std::move(filter->front()), std::move(splash->front()),
                     completeExtraTexts(extra ? std::move(*extra) : std::vector<std::string>{})};
}

} // namespace language
