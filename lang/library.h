// lang/library.h — finding, loading and reading language libraries "lang.*.dll"
#pragma once
#include "lang/choice.h"
#include "lang/extra.h"
#include "lang/langabi.h"
#include "ui/unique.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace language {

// Entries the program reads from each list; a library that gives fewer is unusable.
constexpr std::size_t kMenuEntries = 35;
constexpr std::size_t kStringEntries = 18;
constexpr std::size_t kHintEntries = 19;

// Full paths of the "lang.*.dll" files in `folder` (with its trailing separator), sorted by
// file name so the choice does not depend on the file system's order.
std::vector<std::string> findLibraries(const std::string& folder);

// The libraries of `folder` in findLibraries' order, each with its display name when the
// program can use it (a display name and every list the main window reads), else none; a
// library whose code failed or whose lists do not hold is marked damaged.
// With `texts`, each usable candidate's texts too (nullopt for the others), read in the same
// one load of the library: the start takes the chosen one's without loading it again.
// With `wanted` (a stored language), the search ends at the first library that answers it
// (answersWish): the one chooseLanguage takes; the libraries after it are not loaded at all.
struct MainTexts;
std::vector<Candidate> findCandidates(const std::string& folder,
                                      std::vector<std::optional<MainTexts>>* texts = nullptr,
                                      const std::string* wanted = nullptr);

// A library loaded by its full path for one operation; released when this object goes. Every
// export runs guarded (callForeign) and everything it hands back is checked before it is read: a
// call that faults or hangs, a count beyond its block, a pointer into memory that cannot be
// read marks the library damaged. A damaged library is called no more, stays loaded, and is
// refused at once by every later Library of the same file in this run.
class Library : ui::Pinned {
public:
    explicit Library(const std::string& path);
    ~Library();

    bool loaded() const { return module_ != nullptr && !damaged_; }
    bool damaged() const { return damaged_; }
    // The display name from jazykovaMutace; nullopt when the export is missing.
    std::optional<std::string> displayName() const;
    // A copy of the list from the named export; nullopt when the export is missing or the list
    // is damaged or shorter than `minEntries`.
    std::optional<std::vector<std::string>> list(const char* exportName, std::size_t minEntries) const;
    // Calls the named list exports (and jazykovaMutace when `name`) in one guarded call, so that
    // the list() and displayName() that follow only check and copy what they handed back. Each
    // call on its own thread costs more than the reading itself.
    void fetch(std::initializer_list<const char*> exportNames, bool name) const;

private:
    struct Fetched {
        const char* exportName;
        void* fn;
        lang slot;
    };
    bool call(void (*fn)(void*), void* arg) const;
    void* exportOf(const char* name) const;
    void markDamaged() const;

    std::string identity_; // path and time of writing
    void* module_ = nullptr;
    mutable bool damaged_ = false;
    mutable std::vector<Fetched> fetched_;      // what fetch() got, until list() takes it
    mutable std::optional<const char*> name_;   // what fetch() got from jazykovaMutace
};

// Every text the main window takes from a library.
struct MainTexts {
    std::vector<std::string> menu;    // dejMenu, 35 captions
    std::vector<std::string> strings; // dejStringy
    std::vector<std::string> hints;   // dejHint
    std::string filter;               // dejSaveOpenDialog entry 0
    std::string splash;               // dejSplash entry 0
    // dejMenuDalsi (optional), kExtraTextCount entries: what the library lacks is Czech
    std::vector<std::string> extra;
};

// Makes the causes of file errors that the program reports (ui::systemMessage) those of `extra`
// (the extra texts of the language in use) instead of the system's.
void useFileErrorTexts(const std::vector<std::string>& extra);

// All the main window's texts, or nullopt when the library is unusable for it.
std::optional<MainTexts> readMainTexts(const std::string& path);
std::optional<MainTexts> readMainTexts(const Library& lib);

} // namespace language
