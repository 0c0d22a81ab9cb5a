// app/helpmap.cpp — the classic help commands mapped onto HTML Help and Windows Help calls
#include "app/helpmap.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace app {
namespace {

// The HTML Help calls that need nothing but the file and, where marked, the data value.
struct HtmlRow {
    uint16_t command;
    unsigned hh;
    bool onFile;   // the call names the help file
    bool withData; // the call passes the request's data value on
};
constexpr HtmlRow kHtmlRows[] = {
    {helpcmd::kContext, hhcmd::kHelpContext, true, true}, // the data value is the context number
    {helpcmd::kQuit, hhcmd::kCloseAll, false, false},
    {helpcmd::kIndex, hhcmd::kDisplayToc, true, false},
    {helpcmd::kFinder, hhcmd::kDisplayToc, true, false},
    {helpcmd::kKey, hhcmd::kDisplayIndex, true, true}, // the data value is the keyword
    {helpcmd::kPartialKey, hhcmd::kDisplayIndex, true, true},
};

constexpr char kDefaultPopupTopics[] = "CSHelp.txt";

HelpStep htmlStep(uint16_t command, const HelpRequest& r) {
    const std::string chm = changeFileExt(r.helpFile, ".chm");
    if (command == helpcmd::kContextPopup) {
        // string 0 is a popup of its own text; any other names a topic of the popup file
        std::string file;
        if (r.data != 0) file = chm + "::/" + (r.popupTopics.empty() ? kDefaultPopupTopics : r.popupTopics);
        return {HelpStep::TextPopup, hhcmd::kDisplayTextPopup, file, r.data, true};
    }
    if (command == helpcmd::kSetPopupPos) return {HelpStep::RememberPosition, 0, "", r.data, false};
    if (command == helpcmd::kTab) // the tab's number is no keyword: the index opens at its start
        return {HelpStep::HtmlCall, r.data != 0 ? hhcmd::kDisplayIndex : hhcmd::kDisplayToc, chm, 0};
    const auto row = std::find_if(std::begin(kHtmlRows), std::end(kHtmlRows),
                                  [command](const HtmlRow& h) { return h.command == command; });
    if (row == std::end(kHtmlRows)) return {};
    return {HelpStep::HtmlCall, row->hh, row->onFile ? chm : "", row->withData ? r.data : 0};
}

bool endsWithLower(std::string_view s, std::string_view suffix) {
    if (s.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), s.end() - static_cast<long>(suffix.size()), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(b)) == a;
    });
}

HelpStep winHelpStep(uint16_t command, const HelpRequest& r) {
    if (command == 0) return {HelpStep::NoCall, 0, "", 0, true};
    std::string file = r.helpFile;
    // in mixed mode a popup may come from a Windows Help file of its own
    if (command == helpcmd::kContextPopup && r.helpType == THelpType::htMixedMode &&
        endsWithLower(r.popupTopics, ".hlp"))
        file = extractFilePath(r.popupTopics).empty() ? extractFilePath(r.helpFile) + r.popupTopics : r.popupTopics;
    return {HelpStep::WinHelpCall, command, changeFileExt(file, ".hlp"), r.data};
}

} // namespace

HelpStep planHelp(const HelpRequest& r) {
    uint16_t command = r.command;
    if (r.showType == TShowType::stMain) { // a popup becomes the topic itself
        if (command == helpcmd::kContextPopup) command = helpcmd::kContext;
        else if (command == helpcmd::kSetPopupPos) command = 0;
    }
    const bool popup = command == helpcmd::kContextPopup || command == helpcmd::kSetPopupPos;
    const bool html = r.helpType == THelpType::htHTMLhelp || (r.helpType == THelpType::htMixedMode && !popup);
    return html ? htmlStep(command, r) : winHelpStep(command, r);
}

std::string changeFileExt(std::string_view path, std::string_view ext) {
    const size_t at = path.find_last_of(".\\/:");
    const size_t end = at != std::string_view::npos && path[at] == '.' ? at : path.size();
    return std::string(path.substr(0, end)) + std::string(ext);
}

std::string extractFilePath(std::string_view path) {
    const size_t at = path.find_last_of("\\/:");
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

PopupPoint unpackPopupPoint(uintptr_t data) {
    return {static_cast<int16_t>(data & 0xFFFF), static_cast<int16_t>((data >> 16) & 0xFFFF)};
}

PopupPoint PopupPosition::take(const std::function<PopupPoint()>& cursor) {
    const PopupPoint p = stored_ == PopupPoint{} ? cursor() : stored_;
    stored_ = {};
    return p;
}

PopupRecord popupRecord(uintptr_t data, PopupPoint where) {
    PopupRecord r;
    r.idString = static_cast<uint32_t>(data);
    r.pt = where;
    r.clrForeground = r.clrBackground = kPopupNoColour;
    std::fill(std::begin(r.margins), std::end(r.margins), -1);
    r.font = "MS Sans Serif, 8";
    return r;
}

} // namespace app
