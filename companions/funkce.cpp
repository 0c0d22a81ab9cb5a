// companions/funkce.cpp — funkce.dll, the text statistics library: counts in a rich-edit control
#include <windows.h>

#include <richedit.h>

#include "companions/textcount.h"

#include <string>

namespace {

// The control's whole text in the ANSI code page, paragraphs ending in CR.
std::string textOf(HWND control) {
    GETTEXTLENGTHEX gl{GTL_NUMBYTES | GTL_PRECISE, CP_ACP};
    const auto bytes = SendMessageA(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0);
    if (bytes <= 0) return {};
    std::string s(static_cast<size_t>(bytes) + 1, '\0');
    GETTEXTEX gt{};
    gt.cb = static_cast<DWORD>(s.size());
    gt.flags = GT_DEFAULT;
    gt.codepage = CP_ACP;
    const auto n = SendMessageA(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(n));
    return s;
}

companion::TextCounts counts(HWND control) {
    try {
        return companion::countText(textOf(control));
    } catch (...) {
        return {};
    }
}

} // namespace

extern "C" {
std::uint32_t pocetZnaku(HWND control) { return counts(control).characters; }
std::uint32_t pocetZnakuBezMezer(HWND control) { return counts(control).charactersNoSpaces; }
std::uint32_t pocetSlov(HWND control) { return counts(control).words; }
}
