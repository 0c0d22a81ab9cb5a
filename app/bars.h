// app/bars.h — the main window's bars: the tool bars on a cool bar, the font boxes and the
// status bar, and the formatting state they show
#pragma once
#include <windows.h>

#include <commctrl.h>

#include "ui/controls.h"

#include <string>
#include <vector>

namespace app {

class MainBars {
public:
    MainBars() = default;
    MainBars(const MainBars&) = delete;
    MainBars& operator=(const MainBars&) = delete;
    ~MainBars();

    ui::StatusBar StatusBar1;
    ui::ToolBar ToolBar1, ToolBar2;
    ui::ComboBox cbPismo, cbVelikostPisma;
    ui::CoolBar CoolBar1;

    // Shows a document's formatting state on the formatting toolbar.
    void ShowFormatState(bool bold, bool italic, bool underline, const std::string& alignment,
                         const std::string& fontName, const std::string& fontSize);

protected:
    void createBars(HWND frame);
    // The font names of the system and the sizes offered, in the two font boxes: filled when
    // the user first goes to either box (enumerating and sorting the fonts is a good part of a
    // start), once.
    void fillFontBoxes();
    // The tool tips, in the order of the language library's hint list.
    void setHints(const std::vector<std::string>& hints);
    void enableFontBoxes(bool on);
    // The room the bars leave for the document windows in a client area of `size`.
    RECT clientRoom(SIZE size);

private:
    HIMAGELIST images_ = nullptr;
    HFONT font_ = nullptr;
    bool fontBoxesFilled_ = false;
};

} // namespace app
