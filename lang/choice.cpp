// lang/choice.cpp — which language library the program starts with
#include "lang/choice.h"

namespace language {

std::optional<std::size_t> chooseLanguage(const std::vector<Candidate>& found, const std::string& wanted) {
    std::optional<std::size_t> first;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (!found[i].name) continue;
        if (*found[i].name == wanted) return i;
        if (!first) first = i;
    }
    return first;
}

} // namespace language
