// tests/win/helprouter_test.cpp — the help router in process: one router at a time, the
// handlers before it, popups and their position, HTML Help that cannot be used, and the help
// contents of the main window from another current folder
#include "app/ehshelprouter.h"
#include "app/helpsystem.h"
#include "app/resource.h"
#include "settings/nastaveni_ids.h"
#include "tests/win/support.h"
#include "ui/errors.h"
#include "ui/files.h"

#include <htmlhelp.h>

#include <optional>

using namespace test;
using app::helpCommand;
using app::THelpRouter;

namespace {

// Records every call the router makes instead of showing help.
class RecordingHelp : public app::HelpSystem {
public:
    struct Call {
        HWND owner;
        std::optional<std::string> file; // nullopt: no file
        UINT command;
        DWORD_PTR data;
        std::optional<HH_POPUP> popup;   // the record of a text popup
        std::string font;
    };
    std::vector<Call> calls;
    std::vector<Call> winHelpCalls;
    POINT cursor{300, 400};
    HWND answer = reinterpret_cast<HWND>(1); // what HtmlHelpA returns

    HWND htmlHelp(HWND owner, const char* file, UINT command, DWORD_PTR data) override {
        Call c{owner, file ? std::optional<std::string>(file) : std::nullopt, command, data, {}, {}};
        if (command == HH_DISPLAY_TEXT_POPUP) {
            c.popup = *reinterpret_cast<const HH_POPUP*>(data);
            c.font = c.popup->pszFont ? c.popup->pszFont : "";
        }
        calls.push_back(std::move(c));
        return answer;
    }
    bool winHelp(HWND owner, const char* file, UINT command, ULONG_PTR data) override {
        winHelpCalls.push_back({owner, file ? std::optional<std::string>(file) : std::nullopt, command, data, {}, {}});
        return true;
    }
    POINT cursorPos() override { return cursor; }
};

// A top-level window of this thread, made the active one: the form the user asks for help in.
struct ActiveForm {
    HWND h = CreateWindowExA(0, "STATIC", "form", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ActiveForm() { SetActiveWindow(h); }
    ~ActiveForm() { DestroyWindow(h); }
    HWND hwnd() const { return h; }
};

constexpr char kGuide[] = "C:\\Notavo\\napovedaN5.chm";

struct RouterTest : ::testing::Test {
    RecordingHelp help;
    app::HelpSystemOverride use{help};
};

// The router as the main window sets it up, with the guide at kGuide.
std::unique_ptr<THelpRouter> htmlRouter(HWND owner = nullptr) {
    auto r = std::make_unique<THelpRouter>(owner);
    r->HelpType = app::THelpType::htHTMLhelp;
    r->Helpfile = kGuide;
    return r;
}

} // namespace

TEST_F(RouterTest, OneRouterAtATimeAndTheHandlerBeforeItComesBack) {
    int earlier = 0;
    app::applicationHelp().OnHelp = [&earlier](WORD, DWORD_PTR, bool&) { return ++earlier, false; };
    {
        auto first = htmlRouter();
        try {
            THelpRouter second;
            ADD_FAILURE() << "a second router was made";
        } catch (const ui::AppError& e) {
            EXPECT_STREQ(e.what(), "Multiple instances of THelpRouter are not allowed");
        }
        // the first router still handles requests, and asks the handler it replaced first
        EXPECT_TRUE(helpCommand(HELP_FINDER, 0));
        EXPECT_EQ(earlier, 1);
        ASSERT_EQ(help.calls.size(), 1u);
        EXPECT_EQ(help.calls[0].command, static_cast<UINT>(HH_DISPLAY_TOC));
    }
    // gone: the earlier handler is the application's again, and a new router may be made
    EXPECT_FALSE(helpCommand(HELP_FINDER, 0));
    EXPECT_EQ(earlier, 2);
    EXPECT_EQ(help.calls.size(), 1u);
    EXPECT_NO_THROW(THelpRouter());
    app::applicationHelp().OnHelp = nullptr;
    { THelpRouter r; }
    EXPECT_FALSE(app::applicationHelp().OnHelp) << "no handler before the router: none after it";
}

// OnHelp is asked first; when it clears the call-help flag nothing else runs and its answer is
// the result; when it leaves the flag, the router goes on.
TEST_F(RouterTest, OnHelpThatClearsTheFlagStopsEverything) {
    const struct {
        bool clears, answer;
        bool result;
        size_t calls;
    } cases[] = {{true, true, true, 0}, {true, false, false, 0}, {false, false, true, 1}, {false, true, true, 1}};
    for (const auto& c : cases) {
        help.calls.clear();
        int earlier = 0;
        app::applicationHelp().OnHelp = [&earlier](WORD, DWORD_PTR, bool&) { return ++earlier, false; };
        auto router = htmlRouter();
        int asked = 0;
        router->OnHelp = [&](WORD command, DWORD_PTR data, bool& callHelp) {
            ++asked;
            EXPECT_EQ(command, HELP_CONTEXT);
            EXPECT_EQ(data, 7u);
            EXPECT_TRUE(callHelp);
            if (c.clears) callHelp = false;
            return c.answer;
        };
        EXPECT_EQ(helpCommand(HELP_CONTEXT, 7), c.result) << c.clears << c.answer;
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(earlier, c.clears ? 0 : 1) << "the handler before the router is skipped too";
        EXPECT_EQ(help.calls.size(), c.calls);
        router.reset();
        app::applicationHelp().OnHelp = nullptr;
    }
}

// A position request is used by the next popup only; the popup after it opens at the mouse.
TEST_F(RouterTest, TwoPopupsWithoutAPositionRequestBetween) {
    ActiveForm form;
    auto router = htmlRouter();
    EXPECT_FALSE(helpCommand(HELP_SETPOPUP_POS, MAKELONG(-40, 20))) << "remembering is no success";
    EXPECT_EQ(router->popupPosition(), (app::PopupPoint{-40, 20}));
    EXPECT_TRUE(help.calls.empty());
    EXPECT_TRUE(helpCommand(HELP_CONTEXTPOPUP, 2405));
    EXPECT_TRUE(helpCommand(HELP_CONTEXTPOPUP, 2406));
    ASSERT_EQ(help.calls.size(), 2u);
    const POINT expected[] = {{-40, 20}, {300, 400}};
    for (size_t k = 0; k < 2; ++k) {
        const RecordingHelp::Call& c = help.calls[k];
        ASSERT_TRUE(c.popup);
        EXPECT_EQ(c.command, static_cast<UINT>(HH_DISPLAY_TEXT_POPUP));
        EXPECT_EQ(c.file, std::string(kGuide) + "::/CSHelp.txt");
        EXPECT_EQ(c.owner, form.hwnd()) << "the popup belongs to the active form";
        EXPECT_EQ(c.popup->cbStruct, static_cast<int>(sizeof(HH_POPUP)));
        EXPECT_EQ(c.popup->idString, 2405u + k);
        EXPECT_EQ(c.popup->pt.x, expected[k].x);
        EXPECT_EQ(c.popup->pt.y, expected[k].y);
        EXPECT_EQ(c.popup->clrForeground, 0x1FFFFFFFu);
        EXPECT_EQ(c.popup->rcMargins.left, -1);
        EXPECT_EQ(c.popup->rcMargins.bottom, -1);
        EXPECT_EQ(c.font, "MS Sans Serif, 8");
    }
    // the way a dialog's "?" asks: position and popup in one call
    router->ControlPopup(2407, {55, 66});
    ASSERT_EQ(help.calls.size(), 3u);
    EXPECT_EQ(help.calls[2].popup->idString, 2407u);
    EXPECT_EQ(help.calls[2].popup->pt.x, 55);
    EXPECT_EQ(help.calls[2].popup->pt.y, 66);
}

// stMain: a popup request shows its topic as an ordinary help topic, with no owner window.
TEST_F(RouterTest, ShowTypeMainShowsPopupsAsTopics) {
    auto router = htmlRouter();
    router->ShowType = app::TShowType::stMain;
    EXPECT_FALSE(helpCommand(HELP_SETPOPUP_POS, MAKELONG(5, 5)));
    EXPECT_EQ(router->popupPosition(), app::PopupPoint{}) << "no popup will come to use it";
    EXPECT_TRUE(helpCommand(HELP_CONTEXTPOPUP, 2401));
    ASSERT_EQ(help.calls.size(), 1u);
    EXPECT_EQ(help.calls[0].command, static_cast<UINT>(HH_HELP_CONTEXT));
    EXPECT_EQ(help.calls[0].file, kGuide);
    EXPECT_EQ(help.calls[0].data, 2401u);
    EXPECT_EQ(help.calls[0].owner, nullptr);
    // a failing HTML Help call is the request's failure
    help.answer = nullptr;
    EXPECT_FALSE(helpCommand(HELP_CONTEXTPOPUP, 2401));
    // Windows Help gets the .hlp file
    router->HelpType = app::THelpType::htWinhelp;
    EXPECT_TRUE(helpCommand(HELP_CONTEXT, 3));
    ASSERT_EQ(help.winHelpCalls.size(), 1u);
    EXPECT_EQ(help.winHelpCalls[0].file, "C:\\Notavo\\napovedaN5.hlp");
}

// Without a help file of its own the router takes the application's, or the active form's.
TEST_F(RouterTest, HelpFileOfTheApplicationOrTheActiveForm) {
    ActiveForm form;
    auto router = htmlRouter();
    router->Helpfile.clear();
    auto& a = app::applicationHelp();
    a.HelpFile = "C:\\app.hlp";
    a.FormHelpFile = [&form](HWND h) { return h == form.hwnd() ? std::string("C:\\form.chm") : std::string(); };
    helpCommand(HELP_INDEX, 0);
    a.FormHelpFile = nullptr;
    helpCommand(HELP_INDEX, 0);
    a.HelpFile.clear();
    ASSERT_EQ(help.calls.size(), 2u);
    EXPECT_EQ(help.calls[0].file, "C:\\form.chm");
    EXPECT_EQ(help.calls[1].file, "C:\\app.chm");
}

// HTML Help that cannot be used (no library, or one without both functions) fails every call
// and shows nothing; so does a missing help file with the system's HTML Help.
TEST(HelpSystem, HtmlHelpThatCannotBeUsedFails) {
    app::SystemHelp missing("C:\\no-such-folder\\hhctrl.ocx");
    app::SystemHelp notHelp(testFolder() + "files.dll"); // a library, but not HTML Help
    for (app::SystemHelp* s : {&missing, &notHelp}) {
        app::HelpSystemOverride use(*s);
        auto router = htmlRouter();
        EXPECT_FALSE(helpCommand(HELP_FINDER, 0));
        EXPECT_FALSE(helpCommand(HELP_CONTEXT, 1));
        EXPECT_FALSE(s->available());
    }
    app::SystemHelp system;
    EXPECT_TRUE(system.available()) << "hhctrl.ocx from the system folder";
    app::HelpSystemOverride use(system);
    auto router = htmlRouter();
    router->Helpfile = testFolder() + "no-such-guide.chm";
    EXPECT_FALSE(helpCommand(HELP_FINDER, 0));
}

// "Témata nápovědy" and F1 open the contents of the guide beside the program, whatever the
// current folder; no second router while the main window holds one.
TEST_F(MainWindowTest, HelpTopicsOpenTheGuideBesideTheProgram) {
    RecordingHelp help;
    app::HelpSystemOverride use(help);
    start();
    EXPECT_THROW(THelpRouter(), ui::AppError);
    char before[MAX_PATH + 1];
    GetCurrentDirectoryA(sizeof before, before);
    ASSERT_TRUE(SetCurrentDirectoryA(docs.path().c_str()));
    EXPECT_TRUE(frame->runCommand(IDM_TEMATA));
    MSG f1{frame->hwnd(), WM_KEYDOWN, VK_F1, 0x003B0001, 0, {}};
    EXPECT_TRUE(TranslateAcceleratorA(frame->hwnd(), frame->accelerators(), &f1));
    SetCurrentDirectoryA(before);
    ASSERT_EQ(help.calls.size(), 2u);
    for (const auto& c : help.calls) {
        EXPECT_EQ(c.command, static_cast<UINT>(HH_DISPLAY_TOC));
        EXPECT_EQ(c.file, testFolder() + "napovedaN5.chm");
        EXPECT_EQ(c.owner, nullptr);
    }
    frame.reset();
    EXPECT_NO_THROW(THelpRouter()) << "the main window's router went with it";
}

// The settings dialog's "?" (or F1) on a control: the control's popup from CSHelp.txt, whose
// topic is the control's ID, at the mouse position, over the dialog.
TEST_F(MainWindowTest, SettingsDialogControlsHavePopupsByTheirIds) {
    RecordingHelp help;
    app::HelpSystemOverride use(help);
    start();
    prompts.answerBox(IDOK); // the unusable libraries beside the tests
    HWND dialog = nullptr;
    duringModal([&] { frame->runCommand(IDM_NASTAVENI); }, [&] {
        dialog = FindWindowA("NotavoNastaveni", nullptr);
        ASSERT_TRUE(dialog);
        const HWND box = GetDlgItem(dialog, IDC_NASTAVENI_CHECKBOX5);
        HELPINFO hi{sizeof hi, HELPINFO_WINDOW, IDC_NASTAVENI_CHECKBOX5, box, 0, {321, 123}};
        SendMessageA(box, WM_HELP, 0, reinterpret_cast<LPARAM>(&hi));
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_EQ(help.calls.size(), 1u);
    const RecordingHelp::Call& c = help.calls[0];
    EXPECT_EQ(c.command, static_cast<UINT>(HH_DISPLAY_TEXT_POPUP));
    EXPECT_EQ(c.file, testFolder() + "napovedaN5.chm::/CSHelp.txt");
    EXPECT_EQ(c.owner, dialog);
    ASSERT_TRUE(c.popup);
    EXPECT_EQ(c.popup->idString, static_cast<UINT>(IDC_NASTAVENI_CHECKBOX5));
    EXPECT_EQ(c.popup->pt.x, 321);
    EXPECT_EQ(c.popup->pt.y, 123);
}
