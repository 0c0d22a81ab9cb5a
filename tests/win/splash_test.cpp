// tests/win/splash_test.cpp — the start-up and about windows, the link label, the version record,
// the JPEG pictures, and switching every text of the main window between the two languages
#include "app/HyperLink.h"
#include "app/fileinfo.h"
#include "app/jpeg.h"
#include "app/o_programu.h"
#include "app/resource.h"
#include "app/splasch.h"
#include "lang/library.h"
#include "tests/win/support.h"
#include "ui/files.h"
#include "ui/gdi.h"
#include "ui/static.h"
#include "ui/window.h"

#include <set>

using namespace test;

namespace {

RECT windowRect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

SIZE bitmapSize(HBITMAP b) {
    BITMAP bm{};
    GetObjectA(b, sizeof bm, &bm);
    return {bm.bmWidth, bm.bmHeight};
}

const std::string kProgram = "Notavo.exe";

} // namespace

// --- the version record, read from the program file's real resource

TEST(VersionInfo, ProgramFileResource) {
    const app::TFileInfo v = app::TVerzeSouboru::read(testFolder() + kProgram);
    EXPECT_EQ(v.Fixed.Signature, 0xFEEF04BDu);
    EXPECT_EQ(v.ProductVersion, "5.3.5.13"); // the text, which differs from the numbers
    EXPECT_EQ(v.FileVersion, "5.3.5.13");
    EXPECT_EQ(v.Major, 1u);
    EXPECT_EQ(v.Minor, 3u);
    EXPECT_EQ(v.Release, 5u);
    EXPECT_EQ(v.Build, 13u);
    EXPECT_EQ(v.Language, 0x405);
    EXPECT_EQ(v.CodePage, 1250);
    EXPECT_EQ(v.ProductName, "Notavo");
    EXPECT_EQ(v.OriginalFilename, "Notavo.exe");
    EXPECT_EQ(v.LegalCopyright.substr(0, 1), "\xA9"); // "©" in the ANSI code page
    EXPECT_EQ(v.LegalTrademarks, "");

    // no file, and a file without version information: everything empty
    for (const std::string file : {"chybi.exe", "lang.cs.dll"}) {
        const app::TFileInfo none = app::TVerzeSouboru::read(testFolder() + file);
        EXPECT_EQ(none.ProductVersion, "") << file;
        EXPECT_EQ(none.Major, 0u) << file;
        EXPECT_EQ(none.Fixed.Signature, 0u) << file;
    }
}

// --- the pictures and the decoder

TEST(Pictures, ResourcesDecodeToTheirSizes) {
    const auto splash = app::decodeJpeg(app::resourceBytes(IDR_SPLASH));
    ASSERT_TRUE(splash);
    EXPECT_EQ(splash->width, 503);
    EXPECT_EQ(splash->height, 203);
    // the white band under the picture, where the links and the version line sit
    const COLORREF band = splash->pixel(300, 190);
    EXPECT_GT(GetRValue(band), 245);
    EXPECT_GT(GetGValue(band), 245);
    EXPECT_GT(GetBValue(band), 245);
    // the deep blue sky at the top left: catches swapped red and blue
    const COLORREF sky = splash->pixel(4, 4);
    EXPECT_GT(int(GetBValue(sky)), int(GetRValue(sky)) + 40);

    const auto about = app::decodeJpeg(app::resourceBytes(IDR_ABOUT));
    ASSERT_TRUE(about);
    EXPECT_EQ(about->width, 121);
    EXPECT_EQ(about->height, 121);

    // the bitmap keeps size and pixels (row padding: 121 * 3 is not a multiple of four)
    const ui::UniqueGdi bitmap = app::makeBitmap(*about);
    EXPECT_EQ(bitmapSize(static_cast<HBITMAP>(bitmap.get())).cx, 121);
    const ui::UniqueDC dc = ui::memoryDC(nullptr);
    const ui::Selection selected(dc.get(), bitmap.get());
    for (const POINT p : {POINT{0, 0}, POINT{120, 60}, POINT{60, 120}})
        EXPECT_EQ(GetPixel(dc.get(), p.x, p.y), about->pixel(p.x, p.y)) << p.x << "," << p.y;
}

TEST(Pictures, DamagedDataIsRefusedNotFatal) {
    // libjpeg's own error handler would end the process here
    const std::string_view real = app::resourceBytes(IDR_SPLASH);
    ASSERT_GT(real.size(), 1000u);
    EXPECT_FALSE(app::decodeJpeg(""));
    EXPECT_FALSE(app::decodeJpeg("GIF89a, not a JPEG picture at all"));
    EXPECT_FALSE(app::decodeJpeg(real.substr(0, 60))); // cut inside the header
    std::string broken(real);
    broken[1] = '\x00'; // the start-of-image marker
    EXPECT_FALSE(app::decodeJpeg(broken));
    const auto half = app::decodeJpeg(real.substr(0, real.size() / 2)); // cut in the pixels
    ASSERT_TRUE(half);
    EXPECT_EQ(half->width, 503);
}

// --- the link label

class HyperLinkTest : public ::testing::Test {
protected:
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    app::THyperLink link;
    struct Opened {
        HWND owner;
        std::string target, folder;
    };
    std::vector<Opened> opened;
    std::vector<std::string> events;
    app::THyperLink::Opener saved = app::THyperLink::opener();

    void SetUp() override {
        app::THyperLink::opener() = [this](HWND o, const std::string& t, const std::string& f) {
            events.push_back("open");
            opened.push_back({o, t, f});
        };
        // the design asks for italic and underline; the link replaces both with bold
        link.create(parent, 10, 10, "www.notavo.example",
                    {.face = "Tahoma", .height = -11, .italic = true, .underline = true},
                    RGB(255, 255, 255));
        link.Destination = "https://www.notavo.example/";
        link.OnMouseEnter = [this](app::THyperLink& s) {
            events.push_back(&s == &link ? "enter" : "enter?");
        };
        link.OnMouseLeave = [this](app::THyperLink& s) {
            events.push_back(&s == &link ? "leave" : "leave?");
        };
        link.OnClick = [this](app::THyperLink&) { events.push_back("click"); };
    }
    void TearDown() override {
        app::THyperLink::opener() = saved;
        DestroyWindow(parent);
    }
    LOGFONTA font() const { return ui::fontInfo(link.font()); }
};

TEST_F(HyperLinkTest, HoverUnderlinesAndLeavingKeepsBold) {
    EXPECT_EQ(font().lfWeight, FW_BOLD);
    EXPECT_FALSE(font().lfItalic);
    EXPECT_FALSE(font().lfUnderline);
    EXPECT_EQ(link.fontColor(), RGB(0, 0, 255));

    SendMessageA(link.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageA(link.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 3)); // still inside: no second enter
    EXPECT_TRUE(link.hovering());
    EXPECT_TRUE(font().lfUnderline);
    EXPECT_EQ(font().lfWeight, FW_BOLD);

    SendMessageA(link.hwnd(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(link.hovering());
    EXPECT_FALSE(font().lfUnderline);
    EXPECT_EQ(font().lfWeight, FW_BOLD); // only the underline goes
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
    EXPECT_TRUE(opened.empty());
}

TEST_F(HyperLinkTest, ClickRunsTheHandlerThenOpensTheTarget) {
    SendMessageA(link.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(link.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "open"}));
    EXPECT_EQ(opened[0].owner, link.hwnd());
    EXPECT_EQ(opened[0].target, "https://www.notavo.example/");
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    EXPECT_EQ(opened[0].folder, cwd);

    // pressed on the link but released elsewhere: nothing opens
    SendMessageA(link.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(link.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(-40, 200));
    EXPECT_EQ(opened.size(), 1u);

    // the keyboard opens it as well; a link without a target opens nothing
    SendMessageA(link.hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(opened.size(), 2u);
    link.Destination.clear();
    link.click();
    EXPECT_EQ(opened.size(), 2u);
}

// --- the start-up window

class SplashTest : public MainWindowTest {
protected:
    // Creates the main window with a start-up window that would stay for ten minutes; `during`
    // runs while it is shown.
    void startShowing(const std::function<void()>& during) {
        frame = std::make_unique<app::Thlavni1>(app::Paths{testFolder() + kProgram, data.path()});
        frame->onTerminate = [this] { terminated = true; };
        frame->splashTimeMs = 600000;
        bool created = false;
        duringModal([&] { created = frame->create(); }, during);
        ASSERT_TRUE(created);
    }
    void tick() { SendMessageA(frame->hwnd(), WM_TIMER, app::kSplashTimerId, 0); }
};

TEST_F(SplashTest, ShowsPictureVersionAndLinksUntilTheFirstTick) {
    HWND shown = nullptr;
    startShowing([&] {
        auto* s = visibleWindow<app::TSplasch1>("NotavoSplasch");
        ASSERT_NE(s, nullptr);
        shown = s->hwnd();
        const RECT r = windowRect(s->hwnd());
        EXPECT_EQ(r.left, 250);
        EXPECT_EQ(r.top, 230);
        EXPECT_EQ(r.right - r.left, 503);
        EXPECT_EQ(r.bottom - r.top, 203);
        EXPECT_EQ(bitmapSize(s->Image1.bitmap()).cx, 503);
        EXPECT_EQ(s->Image1.size().cy, 203);
        // first run: no settings file, so no language asked for; the first library is used
        EXPECT_FALSE(s->LanguageFound);
        EXPECT_EQ(s->Label1.text(), "Verze 5.3.5.13");
        EXPECT_EQ(s->HyperLink1.caption(), "www.notavo.example");
        EXPECT_EQ(s->HyperLink2.Destination, "mailto:" + s->HyperLink2.caption());
        EXPECT_EQ(ui::fontInfo(s->HyperLink2.font()).lfWeight, FW_BOLD);
        // the main window is applied already, and waits hidden
        EXPECT_EQ(frame->menu(app::mmSoubor1).caption(), "&Soubor");
        EXPECT_FALSE(IsWindowVisible(frame->hwnd()));
        tick();
    });
    EXPECT_FALSE(IsWindow(shown)); // closed by the tick and released
    // the timer discarded itself at its tick: there is nothing left to kill
    EXPECT_FALSE(KillTimer(frame->hwnd(), app::kSplashTimerId));
    frame->show(SW_SHOWNOACTIVATE, {});
    EXPECT_EQ(openCount(), 1);
}

TEST_F(SplashTest, LanguageFromTheSettingsAndAnEarlyClose) {
    data.write("Notavo.ini", "[Jazyk]\r\nJazykovaMutace=English\r\n");
    startShowing([&] {
        auto* s = visibleWindow<app::TSplasch1>("NotavoSplasch");
        ASSERT_NE(s, nullptr);
        EXPECT_TRUE(s->LanguageFound);
        EXPECT_EQ(s->Label1.text(), "Version 5.3.5.13");
        PostMessageA(s->hwnd(), WM_CLOSE, 0, 0); // closed by other means: the wait ends at once
    });
    EXPECT_EQ(frame->menu(app::mmSoubor1).caption(), "&File");
    EXPECT_EQ(FindWindowA("NotavoSplasch", nullptr), nullptr);
    tick(); // the late tick only discards the timer
    EXPECT_FALSE(KillTimer(frame->hwnd(), app::kSplashTimerId));
}

// --- the about window

TEST_F(MainWindowTest, AboutWindowCentredWithTheLanguageTexts) {
    start();
    MoveWindow(frame->hwnd(), 277, 48, 643, 664, FALSE);
    const auto openAbout = [&](const std::function<void(app::TAbout1&)>& check) {
        duringModal([&] { frame->runCommand(IDM_OPROGRAMU); },
                    [&] {
                        auto* a = visibleWindow<app::TAbout1>("NotavoAbout");
                        ASSERT_NE(a, nullptr);
                        EXPECT_FALSE(IsWindowEnabled(frame->hwnd())); // modal
                        check(*a);
                        SendMessageA(a->Button1.hwnd(), BM_CLICK, 0, 0);
                    });
        EXPECT_TRUE(IsWindowEnabled(frame->hwnd()));
        EXPECT_EQ(FindWindowA("NotavoAbout", nullptr), nullptr);
    };
    openAbout([&](app::TAbout1& a) {
        const RECT r = windowRect(a.hwnd());
        EXPECT_EQ(r.left, 277 + 321 - 236); // 362
        EXPECT_EQ(r.top, 48 + 332 - 174);
        EXPECT_EQ(r.right - r.left, 473);
        EXPECT_EQ(a.caption(), "O programu"); // the menu caption without its "&"
        EXPECT_EQ(a.Label2.text(), "Verze 5.3.5.13");
        EXPECT_EQ(a.Button1.text(), "Zavřít");
        EXPECT_EQ(a.Label1.text(), "Notavo");
        EXPECT_EQ(bitmapSize(a.Image1.bitmap()).cx, 121);
        EXPECT_EQ(a.HyperLink1.Destination, "https://www.notavo.example/");
        EXPECT_EQ(a.HyperLink2.Destination, "mailto:info@notavo.example");
        EXPECT_FALSE(GetWindowLongA(a.hwnd(), GWL_STYLE) & WS_SYSMENU); // no close box
    });

    // in English, and Escape closes it as well
    frame->ApplyLanguage(testFolder() + "lang.en.dll");
    duringModal([&] { frame->runCommand(IDM_OPROGRAMU); },
                [&] {
                    auto* a = visibleWindow<app::TAbout1>("NotavoAbout");
                    ASSERT_NE(a, nullptr);
                    EXPECT_EQ(a->caption(), "About");
                    EXPECT_EQ(a->Label2.text(), "Version 5.3.5.13");
                    EXPECT_EQ(a->Button1.text(), "Close");
                    // to a control of the window: which window has the focus depends on whether
                    // the test run's display gave this window the activation
                    PostMessageA(a->Button1.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
                });
    EXPECT_EQ(FindWindowA("NotavoAbout", nullptr), nullptr);
}

TEST(AboutWindow, CentringArithmetic) {
    EXPECT_EQ(app::centredOrigin(277, 643, 473), 362);
    EXPECT_EQ(app::centredOrigin(-100, 301, 473), -100 + 150 - 236); // halves truncate toward zero
    EXPECT_EQ(app::withoutAccelerators("&O programu"), "O programu");
    EXPECT_EQ(app::withoutAccelerators("Tom && Jerry\tF1"), "Tom & Jerry");
}

// --- every text of the main window follows the language library

namespace {

// The strings of every item of a menu and its submenus, without shortcuts; the MDI window list
// (document titles) is left out.
void menuTexts(HMENU m, std::vector<std::string>& out) {
    const int n = GetMenuItemCount(m);
    for (int i = 0; i < n; ++i) {
        char buf[256] = {};
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        mii.dwTypeData = buf;
        mii.cch = sizeof buf;
        GetMenuItemInfoA(m, static_cast<UINT>(i), TRUE, &mii);
        if (mii.fType & MFT_SEPARATOR || (!mii.hSubMenu && mii.wID >= IDM_FIRSTCHILD)) continue;
        std::string text = buf;
        out.push_back(text.substr(0, text.find('\t')));
        if (mii.hSubMenu) menuTexts(mii.hSubMenu, out);
    }
}

// The tool tip the user sees over a toolbar button, asked of the bar's own tool tip control.
std::string tipOf(ui::ToolBar& bar, UINT id) {
    HWND tips = reinterpret_cast<HWND>(SendMessageA(bar.hwnd(), TB_GETTOOLTIPS, 0, 0));
    char buf[512] = {};
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = bar.hwnd();
    ti.uId = id;
    ti.lpszText = buf;
    SendMessageA(tips, TTM_GETTEXTA, sizeof buf, reinterpret_cast<LPARAM>(&ti));
    return buf;
}

} // namespace

TEST_F(MainWindowTest, SwitchingLanguagesLeavesNothingOfTheOther) {
    start(); // Czech, one untitled document
    const auto cs = language::readMainTexts(testFolder() + "lang.cs.dll");
    const auto en = language::readMainTexts(testFolder() + "lang.en.dll");
    ASSERT_TRUE(cs && en);

    // everything the main window shows or uses, in a fixed order
    const auto shown = [&] {
        std::vector<std::string> t;
        for (int k = 0; k < app::kMenuCount; ++k) // the library's items, then the newer ones
            t.push_back(frame->menu(static_cast<app::MenuIndex>(k)).caption());
        menuTexts(GetMenu(frame->hwnd()), t);
        const UINT bar1[] = {IDM_NOVY,    IDM_OTEVRIT,   IDM_ULOZIT, IDT_TISK,
                             IDM_VYJMOUT, IDM_KOPIROVAT, IDM_VLOZIT, IDT_POZADI};
        for (UINT id : bar1) t.push_back(tipOf(frame->ToolBar1, id));
        // Wine: the toolbar answers its tool tip control only for buttons, so the tips of the two
        // combo boxes on it are read from the bar's own record
        t.push_back(frame->ToolBar2.hint(IDC_PISMO));
        t.push_back(frame->ToolBar2.hint(IDC_VELIKOST));
        for (UINT id : {IDT_TUCNE, IDT_KURZIVA, IDT_PODTRZENO, IDT_VLEVO, IDT_STRED, IDT_VPRAVO})
            t.push_back(tipOf(frame->ToolBar2, id));
        t.push_back(frame->OpenDialog1.filter);
        t.push_back(frame->SaveDialog1.filter);
        for (const auto& s : frame->LanguageStrings) t.push_back(s);
        for (auto item : {document::ContextItem::Pismo, document::ContextItem::Kopirovat,
                          document::ContextItem::Vyjmout, document::ContextItem::Vlozit})
            t.push_back(frame->contextCaption(item));
        return t;
    };
    const auto expected = [&](const language::MainTexts& l) {
        std::vector<std::string> t;
        using namespace language;
        const std::vector<std::string>& x = l.extra;
        for (const auto& m : l.menu) t.push_back(m);
        for (auto k : {xUndo, xRedo, xSelectAll, xFind, xFindNext, xReplace}) t.push_back(x[k]);
        // the menu bar in its own order: Soubor 0-7, Úpravy 8-13 with the newer items (100 + the
        // extra text), Zobrazit 14-18, Funkce 19-23, Možnosti 24-27, Okno 31-34, Nápověda 28-30
        for (int k : std::initializer_list<int>{0,  1,  2,  3,  4,  5,  6,  7,  8,  100 + int(xUndo), 100 + int(xRedo), 9,  10, 11, 12,
                      100 + int(xSelectAll), 100 + int(xFind), 100 + int(xFindNext), 100 + int(xReplace), 13, 14, 15, 16, 17,
                      18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 31, 32, 33, 34, 28, 29, 30})
            t.push_back(k >= 100 ? x.at(static_cast<size_t>(k - 100)) : l.menu[static_cast<size_t>(k)]);
        // each tip with the key of its command, as the menus show theirs
        const UINT tips[] = {IDM_NOVY,  IDM_OTEVRIT, IDM_ULOZIT, IDT_TISK,     IDM_VYJMOUT, IDM_KOPIROVAT,
                             IDM_VLOZIT, IDT_POZADI, IDC_PISMO,  IDC_VELIKOST, IDT_TUCNE,   IDT_KURZIVA,
                             IDT_PODTRZENO, IDT_VLEVO, IDT_STRED, IDT_VPRAVO};
        for (size_t k = 0; k < 16; ++k) {
            const std::string key = app::shortcutText(app::shortcutOf(tips[k]));
            t.push_back(key.empty() ? l.hints[k] : l.hints[k] + " (" + key + ")");
        }
        t.push_back(l.filter + "|" + l.extra[language::xAllFilesFilter]); // the open dialog lists all files
        t.push_back(l.filter);
        for (const auto& s : l.strings) t.push_back(s);
        for (int k : {9, 11, 10, 12}) t.push_back(l.menu[static_cast<size_t>(k)]);
        return t;
    };
    const auto same = [](const std::vector<std::string>& seen,
                         const std::vector<std::string>& want) {
        ASSERT_EQ(seen.size(), want.size());
        for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], want[i]) << "text " << i;
    };
    // the two libraries differ in every one of these texts, so equality means nothing is left over
    const auto csTexts = expected(*cs), enTexts = expected(*en);
    ASSERT_EQ(csTexts.size(), enTexts.size());
    for (size_t i = 0; i < csTexts.size(); ++i) EXPECT_NE(csTexts[i], enTexts[i]) << i;

    same(shown(), csTexts);
    frame->ApplyLanguage(testFolder() + "lang.en.dll");
    EXPECT_EQ(frame->LanguageLibraryFile, testFolder() + "lang.en.dll");
    same(shown(), enTexts);

    // documents keep the title they were given; new ones take the new texts
    frame->runCommand(IDM_NOVY);
    EXPECT_EQ(frame->DocumentSlots[0]->caption(), "Dokument 1");
    EXPECT_EQ(frame->DocumentSlots[1]->caption(), "Document 2");
    EXPECT_EQ(frame->DocumentSlots[1]->rulerHint(0), en->hints[16]);
    EXPECT_EQ(frame->DocumentSlots[0]->rulerHint(0), cs->hints[16]);
    prompts.answerFile({}); // the user cancels the open dialog
    frame->runCommand(IDM_OTEVRIT);
    ASSERT_EQ(prompts.dialogs().size(), 1u);
    EXPECT_EQ(prompts.dialogs()[0].args.filter, en->filter + "|All files (*.*)|*.*");

    frame->ApplyLanguage(testFolder() + "lang.cs.dll");
    same(shown(), csTexts);
}
