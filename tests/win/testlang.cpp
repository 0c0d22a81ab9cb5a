// tests/win/testlang.cpp — language libraries that go wrong, for the tests: a list shorter than
// the program reads (TESTLANG_SHORT), no display name (its .def leaves jazykovaMutace out), and
// a complete one named "Podvrh" planted where it must not be loaded (TESTLANG_PLANTED)
#include "companions/langdll.h"

const companion::LanguageTexts& companion::texts() {
    static const LanguageTexts t = [] {
        std::vector<std::string> menu(35, "Menu"), strings(18, "Text "), hints(19, "Tip");
#ifdef TESTLANG_SHORT
        menu.resize(3);
#endif
        return LanguageTexts{"Podvrh", strings, menu, hints, {"A|*.rtf|B|*.txt"}, std::vector<std::string>(7, "N"),
                             {"V", "Z"}, {"Podvrh "}, std::vector<std::string>(14, "P"), {}};
    }();
    return t;
}
