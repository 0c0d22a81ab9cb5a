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

// The first usable candidate whose display name equals `wanted` (exact, case-sensitive), else
// the first usable one; nullopt when none is usable. Candidates come in file-name order.
std::optional<std::size_t> chooseLanguage(const std::vector<Candidate>& found, const std::string& wanted);

} // namespace language
