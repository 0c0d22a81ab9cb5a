// tests/win/settings_test.cpp — the settings dialog: what Zrušit and Ok write, the language list
// and its preview, the controls, context help, and the menu command of the main window
#include "settings/nastaveni.h"

#include "app/menus.h"
#include "app/resource.h"
#include "lang/library.h"
#include "settings/nastaveni_ids.h"
#include "tests/win/support.h"

#include <commctrl.h>

using namespace test;
using settings::Tnastaveni1;

namespace {

// A folder holding copies of the named libraries from beside the tests.
struct LibraryFolder {
    TempDir dir;
    explicit LibraryFolder(std::initializer_list<const char*> names) {
        for (const char* n : names) EXPECT_TRUE(CopyFileA((testFolder() + n).c_str(), dir.file(n).c_str(), FALSE)) << n;
    }
    std::string file(const char* name) const { return dir.file(name); }
};

std::vector<std::string> dialogTexts(const Tnastaveni1& d) {
    return {d.CheckBox1.text(), d.CheckBox2.text(), d.CheckBox3.text(), d.CheckBox4.text(),
            d.Label1.text(),    d.CheckBox5.text(), d.Button1.text()};
}

std::vector<std::string> libraryTexts(const std::string& path) {
    return language::Library(path).list("dejNastaveni", 7).value_or(std::vector<std::string>{});
}

void click(HWND control) { SendMessageA(control, BM_CLICK, 0, 0); }

// Chooses item `index` of the language list as the user does: the list's selection, then its
// notification to the dialog.
void chooseLanguage(Tnastaveni1& d, int index) {
    SendMessageA(d.ComboBox1.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(d.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_NASTAVENI_COMBOBOX1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(d.ComboBox1.hwnd()));
}

void command(const Tnastaveni1& d, int id) { SendMessageA(d.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

class SettingsDialogTest : public ::testing::Test {
protected:
    LibraryFolder langs{"lang.cs.dll", "lang.en.dll"};
    ScriptedPrompts prompts;
    ui::PromptsOverride use{prompts};
    settings::TNastaveni s;
    std::vector<std::string> applied; // the libraries Ok switched to
    std::vector<std::pair<int, POINT>> helpAsked;
    std::unique_ptr<Tnastaveni1> dialog;

    void SetUp() override {
        static const bool once = [] {
            INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_UPDOWN_CLASS};
            return InitCommonControlsEx(&icc) != FALSE;
        }();
        (void)once;
        s.Jazyk = "Čeština";
    }
    void TearDown() override { EXPECT_TRUE(prompts.allAnswersUsed()); }

    settings::NastaveniHost host(const std::string& folder, const std::string& current) {
        return {.owner = nullptr,
                .caption = "Nastavení",
                .languageFile = current,
                .languageFolder = folder,
                .barsShown = [] { return settings::BarsShown{false, true, true}; },
                .applyLanguage = [this](const std::string& p) { applied.push_back(p); },
                .onHelp = [this](int id, POINT where) { helpAsked.push_back({id, where}); }};
    }
    void open() { open(host(langs.dir.path(), langs.file("lang.cs.dll"))); }
    void open(settings::NastaveniHost h) {
        dialog = std::make_unique<Tnastaveni1>(s, std::move(h));
        dialog->create();
    }
    std::vector<std::string> listed() const {
        std::vector<std::string> names;
        for (int i = 0; i < dialog->ComboBox1.count(); ++i) names.push_back(dialog->ComboBox1.item(i));
        return names;
    }
};

} // namespace

TEST_F(SettingsDialogTest, CancelLeavesEverySettingAsItWas) {
    s.Typ = s.Pozadi = s.Okna = true;
    s.Editor = {600, 400, 20, "Arial", 0x123456, 0x00EEDDCC};
    s.Okno = {800, 700, 10, 20};
    s.Interval = 90000;
    const settings::TNastaveni before = s;
    // each way out that cancels: the button (also Esc, which sends the same command) and the close box
    for (const int way : {IDCANCEL, 0}) {
        SCOPED_TRACE(way);
        open();
        for (auto* box : {&dialog->CheckBox1, &dialog->CheckBox2, &dialog->CheckBox3, &dialog->CheckBox4,
                          &dialog->CheckBox5})
            click(box->hwnd());
        ASSERT_FALSE(dialog->CheckBox1.checked()); // the click reached the box
        dialog->SpinEdit1.setText("7");
        chooseLanguage(*dialog, 1); // English: the dialog previews it
        EXPECT_EQ(dialogTexts(*dialog), libraryTexts(langs.file("lang.en.dll")));
        if (way) command(*dialog, way);
        else SendMessageA(dialog->hwnd(), WM_CLOSE, 0, 0);
        EXPECT_EQ(s, before); // Typ, Pozadi and Okna too: they are written only on Ok
        EXPECT_TRUE(applied.empty());
    }
}

TEST_F(SettingsDialogTest, OkWritesTheChoicesAndSwitchesToTheChosenLanguage) {
    open();
    EXPECT_EQ(dialog->caption(), "Nastavení");
    EXPECT_EQ(dialogTexts(*dialog), libraryTexts(langs.file("lang.cs.dll")));
    EXPECT_EQ(dialog->ComboBox1.text(), "Čeština");
    EXPECT_EQ(dialog->ComboBox1.selectedIndex(), 0); // the arrow keys go on from the library in use
    click(dialog->CheckBox5.hwnd());
    click(dialog->CheckBox4.hwnd());
    dialog->SpinEdit1.setText("3");
    chooseLanguage(*dialog, 1);
    command(*dialog, IDOK);
    EXPECT_TRUE(s.Ulozeni);
    EXPECT_EQ(s.Interval, 180000);
    EXPECT_TRUE(s.Zobrazeni);
    EXPECT_FALSE(s.Standardni); // the standard bar is hidden now
    EXPECT_EQ(s.Jazyk, "English");
    EXPECT_EQ(applied, std::vector<std::string>{langs.file("lang.en.dll")});
}

TEST_F(SettingsDialogTest, TypedLanguageIsStoredAndSwitchesNothing) {
    open();
    dialog->ComboBox1.setText("Klingon");
    SendMessageA(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(IDC_NASTAVENI_COMBOBOX1, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(dialog->ComboBox1.hwnd()));
    EXPECT_EQ(dialogTexts(*dialog), libraryTexts(langs.file("lang.cs.dll")));
    command(*dialog, IDOK);
    EXPECT_EQ(s.Jazyk, "Klingon");
    EXPECT_TRUE(applied.empty());
}

TEST_F(SettingsDialogTest, FailedLanguageSwitchLeavesTheSettingsAndTheDialog) {
    auto h = host(langs.dir.path(), langs.file("lang.cs.dll"));
    h.applyLanguage = [](const std::string&) { throw ui::AppError("nelze"); };
    open(std::move(h));
    click(dialog->CheckBox1.hwnd());
    const settings::TNastaveni before = s;
    prompts.answerBox(IDOK); // the general error report
    command(*dialog, IDOK);
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].text, "nelze.");
    EXPECT_EQ(s, before);
    EXPECT_TRUE(IsWindow(dialog->hwnd()));
}

TEST_F(SettingsDialogTest, IntervalFieldShowsWholeMinutesAndOkWithBackupsOffKeepsTheInterval) {
    const struct { bool ulozeni; int interval; const char* shown; } cases[] = {
        {true, 90000, "1"}, {true, 0, "1"}, {true, 180000, "3"}, {true, 12000000, "100"},
        {false, 180000, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.interval);
        s.Ulozeni = c.ulozeni;
        s.Interval = c.interval;
        open();
        EXPECT_EQ(dialog->CheckBox5.checked(), c.ulozeni);
        EXPECT_EQ(dialog->SpinEdit1.text(), c.shown);
        if (!c.ulozeni) {
            command(*dialog, IDOK);
            EXPECT_EQ(s.Interval, c.interval);
            EXPECT_FALSE(s.Ulozeni);
        }
    }
    // a number outside the range is brought to the nearer bound when the field is left; the
    // arrows step within it
    const HWND edit = dialog->SpinEdit1.hwnd();
    for (const auto& [typed, shown] : {std::pair{"250", "100"}, {"0", "1"}, {"42", "42"}}) {
        dialog->SpinEdit1.setText(typed);
        SendMessageA(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(IDC_NASTAVENI_SPINEDIT1, EN_KILLFOCUS),
                     reinterpret_cast<LPARAM>(edit));
        EXPECT_EQ(dialog->SpinEdit1.text(), shown) << typed;
    }
    int low = 0, high = 0;
    SendMessageA(dialog->SpinEdit1.arrows(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 100);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(dialog->SpinEdit1.arrows(), UDM_GETBUDDY, 0, 0)), edit);
}

TEST_F(SettingsDialogTest, ListComesFromTheProgramsFolderNeverTheCurrentOne) {
    // "Podvrh" is a complete library, but it lies in the current folder
    TempDir cwd;
    ASSERT_TRUE(CopyFileA((testFolder() + "planted.dll").c_str(), cwd.file("lang.aa.dll").c_str(), FALSE));
    char old[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, old);
    SetCurrentDirectoryA(cwd.path().c_str());
    open();
    SetCurrentDirectoryA(old);
    EXPECT_EQ(listed(), (std::vector<std::string>{"Čeština", "English"}));
    EXPECT_EQ(dialog->languageFiles(), (std::vector<std::string>{langs.file("lang.cs.dll"), langs.file("lang.en.dll")}));
}

TEST_F(SettingsDialogTest, UnusableLibraryIsSaidOnceAndLeftOut) {
    // no display name, and lists shorter than the program reads
    LibraryFolder mixed{"lang.a-short.dll", "lang.b-noname.dll", "lang.cs.dll"};
    prompts.answerBox(IDOK);
    open(host(mixed.dir.path(), mixed.file("lang.cs.dll")));
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].text, "Nepodařilo se zpracovat jazykovou knihovnu");
    EXPECT_EQ(prompts.boxes()[0].caption, "Chyba");
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));
    EXPECT_EQ(listed(), std::vector<std::string>{"Čeština"});
    chooseLanguage(*dialog, 0);
    command(*dialog, IDOK);
    EXPECT_EQ(prompts.boxes().size(), 1u); // neither the choice nor Ok says it again
    EXPECT_EQ(applied, std::vector<std::string>{mixed.file("lang.cs.dll")});
}

// A library whose code does harm is left out like an unusable one, and named by its path.
TEST_F(SettingsDialogTest, HarmfulLibraryIsLeftOutAndNamed) {
    LibraryFolder mixed{"lang.cs.dll"};
    const std::string harmful = mixed.file("lang.bad-wild.dll");
    ASSERT_TRUE(CopyFileA((testFolder() + "badlang\\lang.bad-wild.dll").c_str(), harmful.c_str(), FALSE));
    prompts.answerBox(IDOK);
    open(host(mixed.dir.path(), mixed.file("lang.cs.dll")));
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].text, harmful + "\n\nNepodařilo se zpracovat jazykovou knihovnu");
    EXPECT_EQ(listed(), std::vector<std::string>{"Čeština"});
    unloadLibrary(harmful);
}

TEST_F(SettingsDialogTest, EmptyFolderGivesAnEmptyListAndOkStoresAnEmptyLanguage) {
    TempDir none;
    open(host(none.path(), langs.file("lang.cs.dll")));
    EXPECT_EQ(dialog->ComboBox1.count(), 0);
    EXPECT_EQ(dialog->ComboBox1.text(), "");
    command(*dialog, IDOK);
    EXPECT_EQ(s.Jazyk, "");
    EXPECT_TRUE(applied.empty());
}

TEST_F(SettingsDialogTest, SameDisplayNameTwiceAppliesBothInListOrder) {
    LibraryFolder twice{"lang.cs.dll"};
    ASSERT_TRUE(CopyFileA((testFolder() + "lang.cs.dll").c_str(), twice.file("lang.zz.dll").c_str(), FALSE));
    open(host(twice.dir.path(), twice.file("lang.zz.dll")));
    command(*dialog, IDOK);
    EXPECT_EQ(applied, (std::vector<std::string>{twice.file("lang.cs.dll"), twice.file("lang.zz.dll")}));
}

TEST_F(SettingsDialogTest, ControlsWhereTheyBelongWithTheirIdsAndFont) {
    open();
    const struct { int id; RECT r; } controls[] = {
        {IDC_NASTAVENI_CHECKBOX1, {16, 16, 249, 33}}, {IDC_NASTAVENI_CHECKBOX2, {16, 48, 233, 65}},
        {IDC_NASTAVENI_CHECKBOX3, {16, 80, 233, 97}}, {IDC_NASTAVENI_CHECKBOX4, {16, 112, 241, 129}},
        {IDC_NASTAVENI_LABEL1, {32, 152, 139, 165}},  {IDC_NASTAVENI_CHECKBOX5, {16, 184, 209, 201}},
        {IDCANCEL, {280, 216, 355, 241}},             {IDOK, {192, 216, 267, 241}},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.id);
        const HWND h = GetDlgItem(dialog->hwnd(), c.id);
        ASSERT_TRUE(h);
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, dialog->hwnd(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_TRUE(EqualRect(&r, &c.r)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        const LOGFONTA f = ui::fontInfo(reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)));
        EXPECT_STREQ(f.lfFaceName, "Tahoma");
        EXPECT_EQ(f.lfHeight, ui::pointsToHeight(8));
    }
    // the number field and its arrows share the field's box
    RECT e, a, both;
    GetWindowRect(dialog->SpinEdit1.hwnd(), &e);
    GetWindowRect(dialog->SpinEdit1.arrows(), &a);
    UnionRect(&both, &e, &a);
    MapWindowPoints(nullptr, dialog->hwnd(), reinterpret_cast<POINT*>(&both), 2);
    EXPECT_EQ(both.left, 208);
    EXPECT_EQ(both.top, 184);
    EXPECT_EQ(both.right - both.left, 49);
    EXPECT_EQ(both.bottom - both.top, 22);
    EXPECT_EQ(GetDlgCtrlID(dialog->SpinEdit1.hwnd()), IDC_NASTAVENI_SPINEDIT1);
    EXPECT_EQ(GetDlgCtrlID(dialog->SpinEdit1.arrows()), IDC_NASTAVENI_UPDOWN1);
    EXPECT_EQ(GetDlgCtrlID(dialog->ComboBox1.hwnd()), IDC_NASTAVENI_COMBOBOX1);
    RECT w;
    GetWindowRect(dialog->hwnd(), &w);
    EXPECT_EQ(w.left, 0);
    EXPECT_EQ(w.top, 0);
    EXPECT_EQ(w.right - w.left, Tnastaveni1::kWidth);
    EXPECT_EQ(w.bottom - w.top, Tnastaveni1::kHeight);
    EXPECT_TRUE(GetWindowLongPtrA(dialog->hwnd(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
}

TEST_F(SettingsDialogTest, HelpOnAControlReachesTheCallbackWithItsId) {
    open();
    // what F1 or the caption's "?" sends: WM_HELP to the control, passed on to the dialog
    for (const auto* box : {&dialog->CheckBox3, &dialog->CheckBox5}) {
        HELPINFO hi{sizeof hi, HELPINFO_WINDOW, GetDlgCtrlID(box->hwnd()), box->hwnd(), 0, {120, 90}};
        SendMessageA(box->hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&hi));
    }
    ASSERT_EQ(helpAsked.size(), 2u);
    EXPECT_EQ(helpAsked[0].first, IDC_NASTAVENI_CHECKBOX3);
    EXPECT_EQ(helpAsked[1].first, IDC_NASTAVENI_CHECKBOX5);
    EXPECT_EQ(helpAsked[1].second.x, 120);
    // without a callback the dialog has no help of its own and nothing breaks
    auto h = host(langs.dir.path(), langs.file("lang.cs.dll"));
    h.onHelp = nullptr;
    open(std::move(h));
    HELPINFO hi{sizeof hi, HELPINFO_WINDOW, IDC_NASTAVENI_CHECKBOX1, dialog->CheckBox1.hwnd(), 0, {1, 1}};
    SendMessageA(dialog->CheckBox1.hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&hi));
    EXPECT_EQ(helpAsked.size(), 2u);
}

// --- the menu command of the main window

namespace {

int indexOf(const Tnastaveni1& d, const std::string& name) {
    for (int i = 0; i < d.ComboBox1.count(); ++i)
        if (d.ComboBox1.item(i) == name) return i;
    return -1;
}

} // namespace

TEST_F(MainWindowTest, SettingsCommandPreviewsOnCancelAndSwitchesEverythingOnOk) {
    start();
    const std::string jazyk = frame->nastaveni().Jazyk;
    const auto english = language::readMainTexts(testFolder() + "lang.en.dll");
    ASSERT_TRUE(english);
    const auto run = [&](const std::function<void(Tnastaveni1&)>& drive) {
        prompts.answerBox(IDOK); // lang.a-short.dll and lang.b-noname.dll lie beside the tests
        duringModal([&] { frame->runCommand(IDM_NASTAVENI); }, [&] {
            auto* d = visibleWindow<Tnastaveni1>("NotavoNastaveni");
            ASSERT_TRUE(d);
            EXPECT_EQ(d->caption(), "Nastavení"); // the menu item's, without "&" and "..."
            EXPECT_FALSE(IsWindowEnabled(frame->hwnd())); // modal
            const int en = indexOf(*d, "English");
            ASSERT_GE(en, 0);
            chooseLanguage(*d, en);
            EXPECT_EQ(dialogTexts(*d), libraryTexts(testFolder() + "lang.en.dll"));
            drive(*d);
        });
        EXPECT_EQ(FindWindowA("NotavoNastaveni", nullptr), nullptr);
        EXPECT_TRUE(IsWindowEnabled(frame->hwnd()));
    };
    run([](Tnastaveni1& d) { command(d, IDCANCEL); });
    EXPECT_EQ(frame->LanguageLibraryFile, testFolder() + "lang.cs.dll");
    EXPECT_EQ(frame->menu(app::mmSoubor1).caption(), "&Soubor");
    EXPECT_EQ(frame->nastaveni().Jazyk, jazyk);

    run([](Tnastaveni1& d) {
        click(d.CheckBox5.hwnd());
        d.SpinEdit1.setText("3");
        command(d, IDOK);
    });
    EXPECT_EQ(frame->LanguageLibraryFile, testFolder() + "lang.en.dll");
    EXPECT_EQ(frame->menu(app::mmSoubor1).caption(), english->menu[0]);
    EXPECT_EQ(frame->LanguageStrings, english->strings);
    EXPECT_EQ(frame->nastaveni().Jazyk, "English");
    EXPECT_TRUE(frame->nastaveni().Ulozeni);
    EXPECT_EQ(frame->nastaveni().Interval, 180000);
}

// With the view not remembered, Ok stores the three bars as shown for the next start but leaves
// the window as it is; the View menu must still show and toggle what the window shows.
TEST_F(MainWindowTest, BarsStoredAsShownByOkStillToggleFromWhatTheWindowShows) {
    start();
    ASSERT_TRUE(frame->runCommand(IDM_STAVOVY)); // the status bar hidden
    ASSERT_FALSE(frame->StatusBar1.visible());
    prompts.answerBox(IDOK); // the unusable libraries beside the tests
    duringModal([&] { frame->runCommand(IDM_NASTAVENI); }, [&] {
        auto* d = visibleWindow<Tnastaveni1>("NotavoNastaveni");
        ASSERT_TRUE(d);
        ASSERT_FALSE(d->CheckBox4.checked());
        command(*d, IDOK);
    });
    EXPECT_TRUE(frame->nastaveni().Stav);        // shown at the next start
    EXPECT_FALSE(frame->StatusBar1.visible());  // the window is left as it is
    EXPECT_FALSE(frame->action(IDM_STAVOVY).checked());
    ASSERT_TRUE(frame->runCommand(IDM_STAVOVY)); // "Stavový řádek" shows it
    EXPECT_TRUE(frame->StatusBar1.visible());
    EXPECT_TRUE(frame->nastaveni().Stav);
    EXPECT_TRUE(frame->action(IDM_STAVOVY).checked());
}
