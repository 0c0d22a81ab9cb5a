// tests/native/helpmap_test.cpp — help commands mapped onto HTML Help and Windows Help calls,
// the popup position and record, and the popup topics file the user guide carries
#include "app/helpmap.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

using namespace app;
using K = HelpStep;

namespace {

constexpr char kHelp[] = "C:\\Program Files\\Notavo\\napovedaN5.chm";
constexpr char kHlp[] = "C:\\Program Files\\Notavo\\napovedaN5.hlp";
constexpr char kPopups[] = "C:\\Program Files\\Notavo\\napovedaN5.chm::/CSHelp.txt";

struct Case {
    const char* name;
    HelpRequest request;
    HelpStep expected;
};

HelpRequest html(uint16_t command, uintptr_t data = 0, TShowType show = TShowType::stDefault) {
    return {command, data, THelpType::htHTMLhelp, show, kHelp, "CSHelp.txt"};
}

} // namespace

TEST(HelpMap, EveryHelpCommandUnderHtmlHelp) {
    const Case cases[] = {
        {"context: the topic by its number", html(1, 42), {K::HtmlCall, 15, kHelp, 42}},
        {"quit: every help window, no file", html(2, 7), {K::HtmlCall, 18, "", 0}},
        {"index: the contents", html(3, 7), {K::HtmlCall, 1, kHelp, 0}},
        {"finder: the contents", html(11), {K::HtmlCall, 1, kHelp, 0}},
        {"tab 0: the contents", html(15, 0), {K::HtmlCall, 1, kHelp, 0}},
        {"tab 1: the index", html(15, 1), {K::HtmlCall, 2, kHelp, 0}},
        {"key: the index at the keyword", html(0x101, 0x1234), {K::HtmlCall, 2, kHelp, 0x1234}},
        {"partial key", html(0x105, 0x99), {K::HtmlCall, 2, kHelp, 0x99}},
        {"popup of a topic", html(8, 2401), {K::TextPopup, 14, kPopups, 2401, true}},
        {"popup of string 0: no file", html(8, 0), {K::TextPopup, 14, "", 0, true}},
        {"popup position", html(13, 0x00200010), {K::RememberPosition, 0, "", 0x00200010, false}},
        {"unknown command", html(4, 1), {K::NoCall, 0, "", 0, false}},
        {"command 0", html(0), {K::NoCall, 0, "", 0, false}},
        {"stMain: the popup is the topic itself", html(8, 2401, TShowType::stMain), {K::HtmlCall, 15, kHelp, 2401}},
        {"stMain: no popup position", html(13, 0x10, TShowType::stMain), {K::NoCall, 0, "", 0, false}},
        {"stPopup changes nothing", html(8, 5, TShowType::stPopup), {K::TextPopup, 14, kPopups, 5, true}},
        {"the file gets .chm", {1, 3, THelpType::htHTMLhelp, TShowType::stDefault, kHlp, ""}, {K::HtmlCall, 15, kHelp, 3}},
        {"no popup topics: CSHelp.txt", {8, 3, THelpType::htHTMLhelp, TShowType::stDefault, kHelp, ""},
         {K::TextPopup, 14, kPopups, 3, true}},
        {"popup topics of its own", {8, 3, THelpType::htHTMLhelp, TShowType::stDefault, kHelp, "pop.txt"},
         {K::TextPopup, 14, std::string(kHelp) + "::/pop.txt", 3, true}},
        {"no help file at all", {3, 0, THelpType::htHTMLhelp, TShowType::stDefault, "", ""}, {K::HtmlCall, 1, ".chm", 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(planHelp(c.request), c.expected) << c.name;
}

TEST(HelpMap, WindowsHelpAndMixedMode) {
    const auto req = [](THelpType t, uint16_t cmd, uintptr_t data, const char* topics,
                        TShowType show = TShowType::stDefault) {
        return HelpRequest{cmd, data, t, show, kHelp, topics};
    };
    const auto win = THelpType::htWinhelp, mixed = THelpType::htMixedMode;
    const Case cases[] = {
        {"Windows Help: the command as it came, on the .hlp file", req(win, 1, 9, ""), {K::WinHelpCall, 1, kHlp, 9}},
        {"Windows Help: a popup stays a popup", req(win, 8, 9, "x.hlp"), {K::WinHelpCall, 8, kHlp, 9}},
        {"Windows Help: command 0 succeeds with no call", req(win, 0, 0, ""), {K::NoCall, 0, "", 0, true}},
        {"Windows Help, stMain: the position request becomes 0", req(win, 13, 5, "", TShowType::stMain),
         {K::NoCall, 0, "", 0, true}},
        {"mixed: contents through HTML Help", req(mixed, 15, 0, ""), {K::HtmlCall, 1, kHelp, 0}},
        {"mixed: the popup position through Windows Help", req(mixed, 13, 5, ""), {K::WinHelpCall, 13, kHlp, 5}},
        {"mixed: a popup from a help file beside the guide", req(mixed, 8, 5, "Pop.HLP"),
         {K::WinHelpCall, 8, "C:\\Program Files\\Notavo\\Pop.hlp", 5}},
        {"mixed: a popup from a help file with a folder", req(mixed, 8, 5, "D:\\h\\pop.hlp"),
         {K::WinHelpCall, 8, "D:\\h\\pop.hlp", 5}},
        {"mixed: text popup topics do not name a help file", req(mixed, 8, 5, "CSHelp.txt"), {K::WinHelpCall, 8, kHlp, 5}},
        {"mixed, stMain: the popup is a topic through HTML Help", req(mixed, 8, 5, "", TShowType::stMain),
         {K::HtmlCall, 15, kHelp, 5}},
    };
    for (const Case& c : cases) EXPECT_EQ(planHelp(c.request), c.expected) << c.name;
}

TEST(HelpMap, FileNames) {
    const struct {
        const char *path, *chm, *folder;
    } cases[] = {
        {"C:\\a\\guide.hlp", "C:\\a\\guide.chm", "C:\\a\\"},
        {"C:\\a.b\\guide", "C:\\a.b\\guide.chm", "C:\\a.b\\"},
        {"guide", "guide.chm", ""},
        {"", ".chm", ""},
        {"C:guide.x.hlp", "C:guide.x.chm", "C:"},
        {"Z:/tmp/guide.chm", "Z:/tmp/guide.chm", "Z:/tmp/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(changeFileExt(c.path, ".chm"), c.chm) << c.path;
        EXPECT_EQ(extractFilePath(c.path), c.folder) << c.path;
    }
}

TEST(HelpMap, PopupPositionIsUsedOnceThenTheMouse) {
    PopupPosition pos;
    int asked = 0;
    const auto mouse = [&asked] {
        ++asked;
        return PopupPoint{300, 400};
    };
    pos.remember(0x00C80064); // (100, 200)
    EXPECT_EQ(pos.stored(), (PopupPoint{100, 200}));
    EXPECT_EQ(pos.take(mouse), (PopupPoint{100, 200}));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(pos.take(mouse), (PopupPoint{300, 400})) << "the second popup has no position of its own";
    EXPECT_EQ(asked, 1);
    pos.remember(0); // (0, 0) is no position
    EXPECT_EQ(pos.take(mouse), (PopupPoint{300, 400}));
    // a monitor left of and above the main one
    pos.remember(0xFFF6FF38); // (-200, -10)
    EXPECT_EQ(pos.take(mouse), (PopupPoint{-200, -10}));
    EXPECT_EQ(pos.stored(), PopupPoint{});
}

TEST(HelpMap, PopupRecord) {
    const PopupRecord r = popupRecord(2406, {15, -20});
    EXPECT_EQ(r.idString, 2406u);
    EXPECT_EQ(r.pt, (PopupPoint{15, -20}));
    EXPECT_EQ(r.clrForeground, 0x1FFFFFFFu);
    EXPECT_EQ(r.clrBackground, 0x1FFFFFFFu);
    for (int m : r.margins) EXPECT_EQ(m, -1);
    EXPECT_EQ(r.font, "MS Sans Serif, 8");
}

// The popup topics the user guide carries: one ".topic N" per control of the settings
// dialog, each with a text.
TEST(HelpMap, PopupTopicsCoverTheSettingsDialog) {
    std::ifstream in(HELP_SOURCE_DIR "/CSHelp.txt", std::ios::binary);
    ASSERT_TRUE(in) << "help/CSHelp.txt";
    std::map<int, std::string> topics;
    std::string line;
    int current = -1;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(".topic ", 0) == 0) {
            current = std::stoi(line.substr(7));
            EXPECT_FALSE(topics.count(current)) << "topic " << current << " twice";
            topics[current];
        } else if (current >= 0) {
            topics[current] += line;
        }
    }
    const int controls[] = {2401, 2402, 2403, 2404, 2405, 2406, 2407, 2409, 1 /* Ok */, 2 /* Zrušit */};
    for (int id : controls) {
        ASSERT_TRUE(topics.count(id)) << "no topic " << id;
        EXPECT_GT(topics[id].size(), 20u) << "topic " << id << " has hardly any text";
    }
}
