// app/helpmap.h — what one help request does: the classic help commands (a command number and a
// data value) mapped onto an HTML Help or a Windows Help call, the remembered popup position and
// the text popup's record. No Win32 here: the help router (ehshelprouter.*) carries out what
// these return.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace app {

enum class THelpType { htWinhelp, htHTMLhelp, htMixedMode };
// stMain turns popup requests into ordinary topic requests
enum class TShowType { stDefault, stMain, stPopup };

// The classic help commands (the values of the HELP_ constants).
namespace helpcmd {
constexpr uint16_t kContext = 1, kQuit = 2, kIndex = 3, kContextPopup = 8, kFinder = 11, kSetPopupPos = 13,
                   kTab = 15, kKey = 0x101, kPartialKey = 0x105;
}
// The HTML Help commands the router uses (the values of the HH_ constants).
namespace hhcmd {
constexpr unsigned kDisplayToc = 1, kDisplayIndex = 2, kDisplayTextPopup = 14, kHelpContext = 15, kCloseAll = 18;
}

// One request as the router sees it once it has chosen the help file.
struct HelpRequest {
    uint16_t command = 0;
    uintptr_t data = 0;
    THelpType helpType = THelpType::htWinhelp;
    TShowType showType = TShowType::stDefault;
    std::string helpFile;    // the chosen help file, its extension as given
    std::string popupTopics; // the router's CHMPopupTopics
};

// What the router does for a request. Every request that gets here clears the call-help flag.
struct HelpStep {
    enum Kind {
        NoCall,           // nothing is called; the request's result is `result`
        HtmlCall,         // HtmlHelpA(no owner, file, command, data); succeeded when non-zero
        TextPopup,        // the text popup of string `data` from `file` (no file: string 0); true
        RememberPosition, // the popup position packed in `data` is remembered; false
        WinHelpCall,      // WinHelpA(form window, file, command, data); succeeded when non-zero
    };
    Kind kind = NoCall;
    unsigned command = 0;  // the HH_ command (HtmlCall) or the help command (WinHelpCall)
    std::string file;      // empty: no file
    uintptr_t data = 0;
    bool result = false;   // the result when nothing is called
    bool operator==(const HelpStep&) const = default;
};

HelpStep planHelp(const HelpRequest& r);

// `path` with its extension (after the last "." of its name) replaced by `ext` (".chm").
std::string changeFileExt(std::string_view path, std::string_view ext);
// The folder part of `path` up to its last "\", "/" or ":", that included; "" when none.
std::string extractFilePath(std::string_view path);

// A point on the screen, in pixels.
struct PopupPoint {
    int x = 0, y = 0;
    bool operator==(const PopupPoint&) const = default;
};

// The point a HELP_SETPOPUP_POS request packs into its data value: x in the low 16 bits, y in
// the high 16 bits, each a signed 16-bit value as Windows packs points into a message (a
// monitor left of or above the main one has negative coordinates).
PopupPoint unpackPopupPoint(uintptr_t data);

// The position of the next popup: the one a request remembered, else the mouse position.
class PopupPosition {
public:
    void remember(uintptr_t data) { stored_ = unpackPopupPoint(data); }
    PopupPoint stored() const { return stored_; }
    // The position for a popup shown now: the remembered one, or `cursor()` when none is
    // remembered (both coordinates 0). Forgets the remembered one.
    PopupPoint take(const std::function<PopupPoint()>& cursor);

private:
    PopupPoint stored_;
};

// The fields of the HTML Help popup record the router fills for a text popup.
struct PopupRecord {
    uint32_t idString = 0;   // the topic number in the popup topics file; 0: no file
    PopupPoint pt;
    uint32_t clrForeground = 0, clrBackground = 0;
    int margins[4] = {};     // left, top, right, bottom
    std::string font;
};
constexpr uint32_t kPopupNoColour = 0x1FFFFFFF;
PopupRecord popupRecord(uintptr_t data, PopupPoint where);

} // namespace app
