// tests/win/mainwindow_test.cpp — start-up, the document table, drops, ending the program
#include "app/resource.h"
#include "lang/extra.h"
#include "settings/ini.h"
#include "tests/win/support.h"
#include "ui/files.h"
#include "ui/window.h"

using namespace test;

namespace {
const std::string kCzech = "Příliš žluťoučký kůň úpěl ďábelské ódy.\r\nŠŤŮŽ";
std::string title(document::Teditor1* d) { return d ? d->caption() : "(empty)"; }
} // namespace

TEST_F(MainWindowTest, StartWithoutArgumentsOpensOneUntitledDocument) {
    start();
    ASSERT_EQ(openCount(), 1);
    EXPECT_EQ(title(frame->DocumentSlots[0]), "Dokument 1");
    EXPECT_TRUE(frame->menu(app::mmZavrit1).enabled());
    EXPECT_TRUE(frame->action(IDM_VYJMOUT).enabled());
    EXPECT_TRUE(frame->ToolBar2.enabled(IDT_VLEVO));
    EXPECT_EQ(frame->menu(app::mmSoubor1).caption(), "&Soubor"); // from lang.cs.dll
    EXPECT_EQ(frame->cbPismo.text(), "Times New Roman");
    EXPECT_TRUE(prompts.boxes().empty());
}

// The font lists are filled when the user first goes to a font box, by the mouse, the Tab key
// or its drop-down, not at every start.
TEST_F(MainWindowTest, FontBoxesAreFilledWhenTheUserFirstGoesToThem) {
    start();
    EXPECT_EQ(frame->cbPismo.count(), 0);
    EXPECT_EQ(frame->cbVelikostPisma.count(), 0);
    EXPECT_EQ(frame->cbPismo.text(), "Times New Roman"); // the box shows the face all the same
    SetFocus(frame->cbVelikostPisma.hwnd());
    EXPECT_EQ(frame->cbVelikostPisma.count(), 16);
    const int fonts = frame->cbPismo.count();
    EXPECT_GT(fonts, 0);
    EXPECT_GE(SendMessageA(frame->cbPismo.hwnd(), CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("Arial")), 0);
    SendMessageA(frame->cbPismo.hwnd(), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(frame->cbPismo.hwnd(), CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(frame->cbPismo.count(), fonts); // once only
    EXPECT_EQ(frame->cbPismo.text(), "Times New Roman");
}

// Each box sits in its slot of the formatting bar, clear of the buttons, and shows the bar's tip.
TEST_F(MainWindowTest, FontBoxesSitInTheirSlotsWithTips) {
    start();
    HWND bar = frame->ToolBar2.hwnd();
    HWND tips = reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    const std::pair<HWND, int> boxes[] = {{frame->cbPismo.hwnd(), 0}, {frame->cbVelikostPisma.hwnd(), 2}};
    for (const auto& [box, slot] : boxes) {
        RECT place{}, r{};
        SendMessageA(bar, TB_GETITEMRECT, slot, reinterpret_cast<LPARAM>(&place));
        GetWindowRect(box, &r);
        MapWindowPoints(nullptr, bar, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, place.left) << slot;
        EXPECT_EQ(r.right, place.right) << slot;
        EXPECT_GE(r.top, place.top) << slot;
        TOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ti.hwnd = bar;
        ti.uId = reinterpret_cast<UINT_PTR>(FindWindowExA(box, nullptr, "Edit", nullptr));
        EXPECT_TRUE(SendMessageA(tips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti))) << slot;
    }
}

TEST_F(MainWindowTest, StartWithFilesOpensThemAndNoEmptyDocument) {
    docs.write("první.txt", kCzech);
    docs.write("second.rtf", "{\\rtf1\\ansi\\ansicpg1250 {\\b tu\\'e8n\\'e9} text\\par}");
    start({docs.file("první.txt"), docs.file("second.rtf")});
    ASSERT_EQ(openCount(), 2);
    EXPECT_EQ(title(frame->DocumentSlots[0]), "první.txt");
    EXPECT_EQ(frame->DocumentSlots[0]->FileName, docs.file("první.txt"));
    EXPECT_EQ(frame->DocumentSlots[0]->RichEdit1.text(), kCzech);
    EXPECT_FALSE(frame->DocumentSlots[0]->RichEdit1.modified());
    EXPECT_EQ(frame->DocumentSlots[1]->RichEdit1.text(), "tučné text");
}

TEST_F(MainWindowTest, UnreadableArgumentIsReportedAndStartUpGoesOn) {
    docs.write("dobry.txt", "ok");
    data.write("a.bcp", "{\\rtf1 zaloha\\par}");
    prompts.answerBox(IDOK); // the error report
    prompts.answerBox(IDNO); // the backup question still comes
    start({docs.file("chybi.txt"), docs.file("dobry.txt")});
    ASSERT_EQ(prompts.boxes().size(), 2u);
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));
    EXPECT_EQ(prompts.boxes()[0].caption, "Notavo");
    EXPECT_EQ(prompts.boxes()[0].text.back(), '.');
    EXPECT_EQ(prompts.boxes()[1].caption, "Obnovení dokumentů");
    ASSERT_EQ(openCount(), 1); // no window is left behind for the missing file
    EXPECT_EQ(title(frame->DocumentSlots[0]), "dobry.txt");
    EXPECT_FALSE(data.exists("a.bcp"));
    EXPECT_TRUE(frame->menu(app::mmStandardni1).checked());
}

TEST_F(MainWindowTest, BackupCopiesAtStartUp) {
    data.write("1.bcp", "{\\rtf1 jedna\\par}");
    data.write("2.bcp", "{\\rtf1 dva\\par}");
    data.write("3.bcp", "{\\rtf1 tri\\par}");
    data.write("poznamka.txt", "x");
    data.write("Notavo.ini", "[Jazyk]\r\nJazykovaMutace=Čeština\r\n");
    prompts.answerBox(IDYES);
    start();
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].text,
              "Po minulém ukončení programu zůstaly záložní kopie neuložených dokumentů (3). Chcete je znovu otevřít?");
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_ICONQUESTION | MB_YESNO));
    ASSERT_EQ(openCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(title(frame->DocumentSlots[i]), "Dokument " + std::to_string(i + 1));
    // each copy now belongs to its document and stays until a newer copy or a save replaces it;
    // its record names this run as its owner
    EXPECT_EQ(withoutLocks(data.names()), (std::vector<std::string>{"1.bci", "1.bcp", "2.bci", "2.bcp", "3.bci",
                                                                    "3.bcp", "Notavo.ini", "poznamka.txt"}));
}

TEST_F(MainWindowTest, DecliningBackupCopiesClearsTheDataFolder) {
    data.write("1.bcp", "{\\rtf1 jedna\\par}");
    data.write("cizi.dat", "x");
    data.write("Notavo.ini", "");
    prompts.answerBox(IDNO);
    start();
    ASSERT_EQ(openCount(), 1);
    EXPECT_EQ(title(frame->DocumentSlots[0]), "Dokument 1");
    EXPECT_EQ(withoutLocks(data.names()), std::vector<std::string>{"Notavo.ini"});
}

TEST_F(MainWindowTest, BackupCopyArgumentsAndLetterCase) {
    docs.write("kopie.bcp", "{\\rtf1 obsah\\par}");
    docs.write("velke.BCP", "{\\rtf1 velke\\par}");
    start({docs.file("kopie.bcp"), docs.file("velke.BCP")});
    ASSERT_EQ(openCount(), 2);
    EXPECT_EQ(title(frame->DocumentSlots[0]), "Dokument 1"); // untitled, the copy stays on disk
    EXPECT_TRUE(frame->DocumentSlots[0]->FileName.empty());
    EXPECT_EQ(frame->DocumentSlots[0]->RichEdit1.text(), "obsah");
    EXPECT_TRUE(docs.exists("kopie.bcp"));
    EXPECT_EQ(title(frame->DocumentSlots[1]), "velke.BCP"); // only ".bcp" exactly is a copy
    EXPECT_FALSE(frame->DocumentSlots[1]->RichEdit1.plainText());
}

TEST_F(MainWindowTest, SlotsAreReusedLowestFirst) {
    start();
    frame->runCommand(IDM_NOVY);
    ASSERT_EQ(openCount(), 2);
    EXPECT_EQ(frame->ActiveSlot, 1);
    EXPECT_EQ(frame->StatusBar1.text(0), "Hotovo");
    EXPECT_EQ(frame->DocumentSlots[0]->requestClose(), document::CloseOutcome::Closed); // unmodified: no question
    ui::pumpPending();
    EXPECT_EQ(frame->DocumentSlots[0], nullptr);
    EXPECT_NE(frame->DocumentSlots[1], nullptr); // the other keeps its slot
    frame->runCommand(IDM_NOVY);
    EXPECT_EQ(title(frame->DocumentSlots[0]), "Dokument 1");
    EXPECT_EQ(frame->ActiveSlot, 0);
}

TEST_F(MainWindowTest, LastDocumentClosedDisablesDocumentCommands) {
    start();
    EXPECT_TRUE(frame->cbPismo.enabled()); // made disabled, enabled by the first document
    EXPECT_TRUE(frame->cbVelikostPisma.enabled());
    frame->runCommand(IDM_ZAVRIT);
    ui::pumpPending();
    EXPECT_EQ(openCount(), 0);
    EXPECT_FALSE(frame->menu(app::mmZavrit1).enabled());
    EXPECT_FALSE(frame->action(IDM_ULOZIT).enabled());
    EXPECT_FALSE(frame->ToolBar1.enabled(IDT_TISK));
    EXPECT_FALSE(frame->cbPismo.enabled());
    EXPECT_TRUE(frame->action(IDM_NOVY).enabled());
    EXPECT_TRUE(frame->ToolBar1.enabled(IDM_OTEVRIT));
    frame->runCommand(IDM_NOVY);
    EXPECT_TRUE(frame->menu(app::mmZavrit1).enabled());
    EXPECT_TRUE(frame->cbVelikostPisma.enabled());
}

TEST_F(MainWindowTest, TwoHundredOneDocumentsAndNoMore) {
    start();
    for (int i = 1; i < app::kSlotCount; ++i) frame->runCommand(IDM_NOVY);
    ASSERT_EQ(openCount(), 201);
    EXPECT_EQ(title(frame->DocumentSlots[200]), "Dokument 201");
    prompts.answerBox(IDOK);
    frame->runCommand(IDM_NOVY);
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].caption, "Příliš mnoho dokumentů");
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_ICONWARNING));
    EXPECT_EQ(frame->StatusBar1.text(0), "Vytvářím nový dokument..."); // panel 0 keeps its text
    EXPECT_EQ(openCount(), 201);

    // open: the same warning, and the dialog is not shown
    prompts.answerBox(IDOK);
    frame->runCommand(IDM_OTEVRIT);
    EXPECT_TRUE(prompts.dialogs().empty());

    // a drop of one file: the warning names it; of twelve: it names the first, says how many
    // were not opened and which, ten of them by name
    const auto& x = language::czechExtraTexts();
    std::vector<std::string> twelve;
    for (char c = 'a'; c < 'a' + 12; ++c) twelve.push_back(docs.file(std::string(1, c) + ".txt"));
    prompts.answerBox(IDOK);
    frame->dropFiles({twelve[0]});
    prompts.answerBox(IDOK);
    frame->dropFiles(twelve);
    ASSERT_EQ(prompts.boxes().size(), 4u);
    EXPECT_EQ(prompts.boxes()[2].text, frame->LanguageStrings[3] + "a.txt");
    EXPECT_EQ(prompts.boxes()[3].text, frame->LanguageStrings[3] + "a.txt" + x[language::xFilesNotOpened] +
                                           "12\na.txt\nb.txt\nc.txt\nd.txt\ne.txt\nf.txt\ng.txt\nh.txt\ni.txt\nj.txt\n" +
                                           x[language::xRecoveryMore] + "2");
    EXPECT_EQ(openCount(), 201);
}

TEST_F(MainWindowTest, DroppedFilesOpenAndAFailureDoesNotStopTheRest) {
    start();
    docs.write("a.txt", "aaa");
    docs.write("b.txt", "bbb");
    prompts.answerBox(IDOK);
    frame->dropFiles({docs.file("a.txt"), docs.file("chybi.txt"), docs.file("b.txt")});
    EXPECT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(openCount(), 3);
    EXPECT_EQ(title(frame->DocumentSlots[2]), "b.txt");
}

TEST_F(MainWindowTest, ClosingTheMainWindowAsksAboutModifiedDocuments) {
    docs.write("a.txt", "puvodni");
    start({docs.file("a.txt")});
    frame->runCommand(IDM_NOVY);
    frame->DocumentSlots[0]->RichEdit1.setText("změněno");
    frame->DocumentSlots[0]->RichEdit1.setModified(true);
    frame->DocumentSlots[1]->RichEdit1.setText("nový");
    frame->DocumentSlots[1]->RichEdit1.setModified(true);

    prompts.answerBox(IDCANCEL); // the lower slot is asked first; Cancel stops the close
    closeMainWindow();
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].text, "Chcete uložit změny v dokumentu a.txt?");
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(prompts.boxes()[0].owner, nullptr);
    EXPECT_FALSE(terminated);
    EXPECT_EQ(openCount(), 2);
    EXPECT_TRUE(data.exists("Notavo.ini")); // written before any document is asked

    prompts.answerBox(IDYES); // a.txt is written to its file
    prompts.answerBox(IDNO);  // the untitled one is discarded
    closeMainWindow();
    EXPECT_TRUE(terminated);
    // a text file stays a text file
    EXPECT_EQ(docs.read("a.txt"), "změněno");
    const settings::IniDocument ini(data.read("Notavo.ini"));
    EXPECT_EQ(ini.get("Editor", "Barva"), "clBlack");
    EXPECT_EQ(ini.get("Editor", "Pozadi"), "clWhite");
    EXPECT_EQ(ini.get("Okno", "Sirka"), "643");
    EXPECT_EQ(ini.get("Jazyk", "JazykovaMutace"), ""); // a first run has no language name yet
}

TEST_F(MainWindowTest, CloseWithoutDocumentsEndsAndClearsTheDataFolder) {
    start();
    frame->runCommand(IDM_ZAVRIT);
    data.write("x.bcp", "zbytek"); // left by another run meanwhile: not this run's, and never read
    closeMainWindow();
    EXPECT_TRUE(terminated);
    EXPECT_EQ(data.names(), (std::vector<std::string>{"Notavo.ini", "x.bcp"}));
}

TEST_F(MainWindowTest, ExitCommandNeitherStoresNorClears) {
    start();
    data.write("x.bcp", "zbytek");
    frame->runCommand(IDM_KONEC);
    EXPECT_TRUE(terminated);
    EXPECT_EQ(withoutLocks(data.names()), std::vector<std::string>{"x.bcp"});
}

TEST_F(MainWindowTest, SettingsLanguageChoosesTheLibrary) {
    data.write("Notavo.ini", "[Jazyk]\r\nJazykovaMutace=English\r\n");
    start();
    EXPECT_EQ(frame->menu(app::mmSoubor1).caption(), "&File");
    EXPECT_EQ(title(frame->DocumentSlots[0]), "Document 1");
    EXPECT_EQ(frame->LanguageLibraryFile, testFolder() + "lang.en.dll");
    EXPECT_EQ(frame->ToolBar1.hint(IDM_NOVY), "Creates a new document (Ctrl+N)");
}

TEST_F(MainWindowTest, UnknownLanguageFallsBackToTheFirstUsableLibrary) {
    // lang.a-short.dll and lang.b-noname.dll sort first but are unusable
    data.write("Notavo.ini", "[Jazyk]\r\nJazykovaMutace=english\r\n");
    start();
    EXPECT_EQ(frame->LanguageLibraryFile, testFolder() + "lang.cs.dll");
    EXPECT_EQ(frame->nastaveni().Jazyk, "english"); // kept until the user chooses another
}

TEST_F(MainWindowTest, LibraryInTheCurrentFolderIsNeverLoaded) {
    // "Podvrh" is complete and named as the settings ask, but it lies in the current folder
    TempDir cwd;
    ASSERT_TRUE(CopyFileA((testFolder() + "planted.dll").c_str(), cwd.file("lang.aa.dll").c_str(), FALSE));
    data.write("Notavo.ini", "[Jazyk]\r\nJazykovaMutace=Podvrh\r\n");
    char old[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, old);
    SetCurrentDirectoryA(cwd.path().c_str());
    start();
    SetCurrentDirectoryA(old);
    EXPECT_EQ(frame->LanguageLibraryFile, testFolder() + "lang.cs.dll");
    EXPECT_EQ(GetModuleHandleA("lang.aa.dll"), nullptr);
}

TEST(MainWindowStart, NoLanguageLibraryEndsTheStart) {
    TempDir empty, data;
    ScriptedPrompts prompts;
    ui::PromptsOverride use{prompts};
    prompts.answerBox(IDOK);
    app::Thlavni1 frame(app::Paths{empty.file("Notavo.exe"), data.path()});
    EXPECT_FALSE(frame.create());
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].text, "Nepodařilo se načíst jazykovou verzi. Problém vyřešíte opětovnou instalací");
    EXPECT_EQ(prompts.boxes()[0].caption, "Jazyková verze");
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));
    EXPECT_FALSE(IsWindowVisible(frame.hwnd()));
}

// Language libraries whose code does harm lie beside the program, one of them named as the
// settings ask: the program starts with the sound one and names the harmful ones once.
TEST_F(MainWindowTest, HarmfulLanguageLibrariesArePassedOverAndNamedOnce) {
    TempDir folder;
    const char* harmful[] = {"lang.bad-fault.dll", "lang.bad-overcount.dll", "lang.bad-wild.dll"};
    for (const char* f : harmful)
        ASSERT_TRUE(CopyFileA((testFolder() + "badlang\\" + f).c_str(), folder.file(f).c_str(), FALSE)) << f;
    ASSERT_TRUE(CopyFileA((testFolder() + "lang.en.dll").c_str(), folder.file("lang.en.dll").c_str(), FALSE));
    programFolder = folder.path();
    data.write("Notavo.ini", "[Jazyk]\r\nJazykovaMutace=Vadná\r\n");
    prompts.answerBox(IDOK);
    start();
    EXPECT_EQ(frame->LanguageLibraryFile, folder.file("lang.en.dll"));
    EXPECT_EQ(frame->menu(app::mmSoubor1).caption(), "&File");
    ASSERT_EQ(prompts.boxes().size(), 1u);
    const auto& box = prompts.boxes()[0];
    for (const char* f : harmful) EXPECT_NE(box.text.find(folder.file(f)), std::string::npos) << box.text;
    EXPECT_NE(box.text.find("language library is damaged"), std::string::npos) << box.text; // in English
    EXPECT_EQ(box.flags & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(openCount(), 1);
    for (const char* f : harmful) unloadLibrary(folder.file(f));
}

// The cause of a file's failure in the language chosen, not the system's: the English library
// gives English causes under a Czech system, the Czech one Czech causes.
TEST_F(MainWindowTest, AFileThatCannotBeOpenedIsNamedWithItsCauseInTheUsersLanguage) {
    data.write("Notavo.ini", "[Jazyk]\r\nJazykovaMutace=English\r\n");
    start();
    const std::string missing = docs.file("chybí.rtf"), inGoneFolder = docs.file("zmizelá\\dopis.rtf");
    prompts.answerBox(IDOK);
    prompts.answerBox(IDOK);
    frame->dropFiles({missing, inGoneFolder});
    ASSERT_EQ(prompts.boxes().size(), 2u);
    EXPECT_EQ(prompts.boxes()[0].text, missing + "\n\nThe file does not exist: it was moved, renamed or deleted.");
    EXPECT_EQ(prompts.boxes()[1].text.rfind(inGoneFolder + "\n\nThe file's folder does not exist", 0), 0u)
        << prompts.boxes()[1].text;
    frame->ApplyLanguage(testFolder() + "lang.cs.dll");
    prompts.answerBox(IDOK);
    frame->dropFiles({missing});
    EXPECT_EQ(prompts.boxes().back().text,
              missing + "\n\n" + language::czechExtraTexts()[language::xCauseNotFound]);
    EXPECT_EQ(openCount(), 1);
}
