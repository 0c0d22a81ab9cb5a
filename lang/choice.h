// lang/choice.h — which language library the program starts with
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace language {

struct Candidate {
    std::string file;                    // full path
    std::optional<std::string> name;     // display name; nullopt when the library is unusable
    bool damaged = false;                // its code failed or handed over what does not hold
};

// Whether `c` is the library a stored language asks for: usable, and named `wanted` (exact,
// case-sensitive); with no language stored (empty) any usable library is.
bool answersWish(const Candidate& c, const std::string& wanted);

// The first candidate that answers the wish, else the first usable one; nullopt when none is
// usable. Candidates come in file-name order.
std::optional<std::size_t> chooseLanguage(const std::vector<Candidate>& found, const std::string& wanted);

} // namespace language
