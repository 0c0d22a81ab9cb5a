// app/helpsystem.h — the help systems the help router calls: HTML Help from hhctrl.ocx, Windows
// Help and the mouse position. One object stands for them, so that tests can put a recording
// one in its place (HelpSystemOverride), as ui/prompts does for message boxes.
#pragma once
#include <windows.h>

#include "ui/unique.h"

#include <string>

namespace app {

class HelpSystem {
public:
    virtual ~HelpSystem() = default;
    // HtmlHelpA; nullptr when the call failed or HTML Help cannot be used.
    virtual HWND htmlHelp(HWND owner, const char* file, UINT command, DWORD_PTR data) = 0;
    virtual bool winHelp(HWND owner, const char* file, UINT command, ULONG_PTR data) = 0;
    virtual POINT cursorPos() = 0;
};

// The system's: HtmlHelpA from hhctrl.ocx, loaded at the first HTML Help call together with
// HtmlHelpW. Without the library or either function every call fails (returns nullptr) and
// shows nothing. A library that was loaded stays loaded: its help windows live in it.
class SystemHelp : public HelpSystem, ui::Pinned {
public:
    // `library`: the full path of the library; "" is hhctrl.ocx in the system folder, never a
    // copy in the program's or the current folder
    explicit SystemHelp(std::string library = "");
    HWND htmlHelp(HWND owner, const char* file, UINT command, DWORD_PTR data) override;
    bool winHelp(HWND owner, const char* file, UINT command, ULONG_PTR data) override;
    POINT cursorPos() override;
    // Whether HTML Help can be used (loads the library when it was not tried yet).
    bool available();

private:
    using HtmlHelpAFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    std::string library_;
    bool tried_ = false;
    HtmlHelpAFn htmlHelpA_ = nullptr;
};

// The help system the router uses now: the system's unless a test put another in its place.
HelpSystem& helpSystem();

// Puts `h` in place of the help system for its lifetime.
class HelpSystemOverride : ui::Pinned {
public:
    explicit HelpSystemOverride(HelpSystem& h);
    ~HelpSystemOverride();

private:
    HelpSystem* previous_;
};

} // namespace app
