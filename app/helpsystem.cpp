// app/helpsystem.cpp — HTML Help from hhctrl.ocx on first use, Windows Help, the mouse
#include "app/helpsystem.h"

namespace app {
namespace {

std::string systemLibrary(const char* name) {
    char folder[MAX_PATH + 1] = {};
    const UINT n = GetSystemDirectoryA(folder, sizeof folder);
    if (n == 0 || n > MAX_PATH) return name;
    return std::string(folder) + "\\" + name;
}

HelpSystem* current = nullptr;

} // namespace

SystemHelp::SystemHelp(std::string library) : library_(library.empty() ? systemLibrary("hhctrl.ocx") : std::move(library)) {}

bool SystemHelp::available() {
    if (!tried_) {
        tried_ = true;
        if (HMODULE m = LoadLibraryA(library_.c_str())) {
            auto a = reinterpret_cast<HtmlHelpAFn>(reinterpret_cast<void*>(GetProcAddress(m, "HtmlHelpA")));
            auto w = GetProcAddress(m, "HtmlHelpW");
            if (a && w) htmlHelpA_ = a;
            else FreeLibrary(m); // not HTML Help: nothing of it is used
        }
    }
    return htmlHelpA_ != nullptr;
}

HWND SystemHelp::htmlHelp(HWND owner, const char* file, UINT command, DWORD_PTR data) {
    return available() ? htmlHelpA_(owner, file, command, data) : nullptr;
}

bool SystemHelp::winHelp(HWND owner, const char* file, UINT command, ULONG_PTR data) {
    return WinHelpA(owner, file, command, data) != FALSE;
}

POINT SystemHelp::cursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

HelpSystem& helpSystem() {
    static SystemHelp system;
    return current ? *current : system;
}

HelpSystemOverride::HelpSystemOverride(HelpSystem& h) : previous_(current) { current = &h; }
HelpSystemOverride::~HelpSystemOverride() { current = previous_; }

} // namespace app
