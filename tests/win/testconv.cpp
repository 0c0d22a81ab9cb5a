// tests/win/testconv.cpp — language libraries for the converter's tests: all fourteen converter
// texts as "K0".."K13", only the first five (TESTCONV_SHORT), or none at all (its .def leaves
// dejPrevodnik out)
#include "companions/langdll.h"

#include <string>

const companion::LanguageTexts& companion::texts() {
    static const LanguageTexts t = [] {
        std::vector<std::string> converter;
        for (int i = 0; i < 14; ++i) converter.push_back("K" + std::to_string(i));
#ifdef TESTCONV_SHORT
        converter.resize(5);
#endif
        return LanguageTexts{"Zkouška", {}, {}, {}, {}, {}, {}, {}, converter, {}};
    }();
    return t;
}
