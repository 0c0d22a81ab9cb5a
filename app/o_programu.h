// app/o_programu.h — the about window: picture, product name, version, the maker's links
#pragma once
#include <windows.h>

#include "app/HyperLink.h"
#include "app/fileinfo.h"
#include "ui/modal.h"
#include "ui/static.h"
#include "ui/window.h"

#include <string>

namespace app {

class Thlavni1;

// Where a window of `ownSize` starts so that it is centred on one of `ownerSize` that starts at
// `ownerOrigin` (each half truncated toward zero).
constexpr int centredOrigin(int ownerOrigin, int ownerSize, int ownSize) {
    return ownerOrigin + ownerSize / 2 - ownSize / 2;
}

// A menu caption as window text: without its "&" marks ("&&" stays one "&") and its shortcut.
std::string withoutAccelerators(const std::string& caption);

class TAbout1 : public ui::Window {
public:
    static constexpr int kWidth = 473, kHeight = 348;

    explicit TAbout1(Thlavni1& owner);
    ~TAbout1() override;

    // FormCreate: the window (hidden) with the texts of the main window's language library and
    // the version of the program file.
    void create();
    // Centres the window on the main window, shows it modally until it is closed.
    void ShowModal();
    void placeOverOwner();
    void Close();

    std::string VersionPrefix; // dejOProgramu entry 0

    ui::Picture Image1;
    ui::Label Label1, Label2, Label3;
    THyperLink HyperLink1, HyperLink2;
    ui::PushButton Button1;

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    Thlavni1& owner_;
    ui::UniqueGdi buttonFont_;
    ui::FocusKeeper focus_;
    bool closed_ = false;
};

} // namespace app
