// lang/choice.cpp — which language library the program starts with
#include "lang/choice.h"

namespace language {

bool answersWish(const Candidate& c, const std::string& wanted) {
    return c.name && (wanted.empty() || *c.name == wanted);
}

std::optional<std::size_t> chooseLanguage(const std::vector<Candidate>& found, const std::string& wanted) {
    std::optional<std::size_t> first;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (answersWish(found[i], wanted)) return i;
        if (found[i].name && !first) first = i;
    }
    return first;
}

} // namespace language
