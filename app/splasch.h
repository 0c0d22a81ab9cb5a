// app/splasch.h — the start-up window: picture, version line, the maker's links; creating it
// chooses the language library and puts it on the main window
#pragma once
#include <windows.h>

#include "app/HyperLink.h"
#include "app/fileinfo.h"
#include "ui/static.h"
#include "ui/window.h"

namespace app {

class Thlavni1;

// The main window's one-shot timer that closes the start-up window.
constexpr UINT_PTR kSplashTimerId = 0x5A1;
// Files handed over by a later start: the message that opens them, and the timer that tries
// again while a modal window is up.
constexpr UINT kHandOverMessage = WM_APP + 0x31;
constexpr UINT_PTR kHandOverTimerId = 0x5A2;

class TSplasch1 : public ui::Window {
public:
    explicit TSplasch1(Thlavni1& owner);
    ~TSplasch1() override;

    // FormCreate: the window (hidden), the version of the program file, the language library
    // (the one named as the settings' language, else the first found) applied to the main
    // window, and the version line. False when no language library can be used: the error box
    // has been shown then and the program must end.
    bool create();
    // Shows the window modally until it is closed (Close, or WM_CLOSE).
    void ShowModal();
    void Close();
    bool closed() const { return closed_; }

    bool LanguageFound = false; // the settings' language was found (not the fallback)
    const TFileInfo& version() const { return version_; }

    ui::Picture Image1;
    ui::Label Label1;
    THyperLink HyperLink1, HyperLink2;

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool chooseLanguage();
    std::string leadIn_; // the chosen library's lead-in of the version line

    Thlavni1& owner_;
    TFileInfo version_;
    bool closed_ = false;
};

} // namespace app
