// tests/win/backup_test.cpp — backup copies: ticks, names on disk, plain text, deletion, failure,
// and reading them back at the next start
#include "app/resource.h"
#include "document/backup.h"
#include "tests/win/support.h"
#include "ui/files.h"
#include "ui/text.h"
#include "ui/unique.h"
#include "ui/window.h"

#include <cctype>

using namespace test;

namespace {

const std::string kCzech = "Příliš žluťoučký kůň úpěl ďábelské ódy. ŠŤŮŽ";
constexpr UINT_PTR kBackupTimer = 1;

// True when the RTF switches the effect `word` on somewhere ("\\b", not "\\b0" or "\\bin").
bool switchesOn(const std::string& rtf, const std::string& word) {
    for (size_t at = rtf.find("\\" + word); at != std::string::npos; at = rtf.find("\\" + word, at + 1)) {
        const size_t end = at + 1 + word.size();
        if (end >= rtf.size() || !std::isalnum(static_cast<unsigned char>(rtf[end]))) return true;
    }
    return false;
}

std::vector<std::string> copiesIn(const TempDir& dir) { return ui::listEntries(dir.path() + "*.bcp", true); }

void typeInto(document::Teditor1& doc, const std::string& text) {
    for (unsigned char c : text) SendMessageA(doc.RichEdit1.hwnd(), WM_CHAR, c, 1);
}

void settingsFile(const TempDir& dir, bool copies, int interval) {
    dir.write("Notavo.ini", "[Nastaveni]\r\nUlozeni=" + std::to_string(copies ? 1 : 0) +
                                "\r\n[Ulozeni]\r\nInterval=" + std::to_string(interval) + "\r\n");
}

// Pumps messages until `done` holds or 10 s have passed (a safety net, not a timing check).
template <class F> bool pumpUntil(F done) {
    const DWORD end = GetTickCount() + 10000;
    while (!done()) {
        if (GetTickCount() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        ui::pumpPending();
    }
    return true;
}

} // namespace

TEST_F(MainWindowTest, TicksWriteOneCopyPerChangeAndKeepOnlyTheNewest) {
    start();
    auto* doc = frame->DocumentSlots[0];
    EXPECT_FALSE(doc->ChangedSinceBackup);

    doc->Timer1Timer(); // nothing changed: no copy
    EXPECT_TRUE(copiesIn(data).empty());
    EXPECT_TRUE(doc->BackupFiles.empty());

    typeInto(*doc, "první"); // typing marks the text as changed (EN_CHANGE)
    EXPECT_TRUE(doc->ChangedSinceBackup);
    doc->Timer1Timer();
    auto names = copiesIn(data);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].size(), 15u);
    EXPECT_EQ(doc->BackupFiles, std::vector<std::string>{data.file(names[0])});
    EXPECT_FALSE(doc->ChangedSinceBackup);
    EXPECT_EQ(data.read(names[0]).rfind("{\\rtf", 0), 0u); // the whole document as RTF
    EXPECT_EQ(data.read(names[0]), doc->RichEdit1.streamOut());

    doc->Timer1Timer(); // a second tick with no change between writes nothing
    EXPECT_EQ(copiesIn(data), names);

    doc->RichEdit1.replaceSelection(" druhá");
    EXPECT_TRUE(doc->ChangedSinceBackup);
    doc->Timer1Timer();
    const auto newer = copiesIn(data);
    ASSERT_EQ(newer.size(), 1u); // the older copy went once the new one was complete
    EXPECT_NE(newer[0], names[0]);
    EXPECT_EQ(doc->BackupFiles, std::vector<std::string>{data.file(newer[0])});
    EXPECT_EQ(data.read(newer[0]), doc->RichEdit1.streamOut());

    // beside the copy only its record and the run's lock: no temporary file is left
    const std::string record = newer[0].substr(0, 11) + ".bci";
    EXPECT_EQ(withoutLocks(data.names()), (std::vector<std::string>{record, newer[0]}));
    EXPECT_EQ(data.names().size(), 3u);
    EXPECT_TRUE(prompts.boxes().empty());
}

TEST_F(MainWindowTest, TakenNamesAreNeverOverwritten) {
    start();
    auto* doc = frame->DocumentSlots[0];
    typeInto(*doc, "obsah");
    // a file and a folder already carry the names drawn first
    data.write("abcdefghijk.bcp", "cizí");
    CreateDirectoryA(data.file("abcdefghijk.bcpzyxwvutsrqp.bcp").c_str(), nullptr);
    doc->WriteBackup("abcdefghijk.bcp");
    ASSERT_EQ(doc->BackupFiles.size(), 1u);
    const std::string name = ui::baseName(doc->BackupFiles[0]);
    EXPECT_EQ(name.size(), 30u);
    EXPECT_EQ(name.substr(0, 15), "abcdefghijk.bcp");
    EXPECT_EQ(data.read("abcdefghijk.bcp"), "cizí");
    RemoveDirectoryA(data.file("abcdefghijk.bcpzyxwvutsrqp.bcp").c_str());
}

TEST_F(MainWindowTest, MissingDataFolderLevelsAreMadeAtEveryTick) {
    dataFolder = data.path() + "Mirabund\\Notavo\\";
    start();
    auto* doc = frame->DocumentSlots[0];
    frame->ClearDataFolder(); // the run's lock goes, which would keep the folder from going
    RemoveDirectoryA((data.path() + "Mirabund\\Notavo").c_str()); // made by the start-up check
    RemoveDirectoryA((data.path() + "Mirabund").c_str());
    ASSERT_FALSE(ui::folderExists(dataFolder));
    doc->Timer1Timer(); // no change: no copy, but both levels are made
    EXPECT_TRUE(ui::folderExists(dataFolder));
    EXPECT_TRUE(ui::listEntries(dataFolder + "*", false).empty());
    typeInto(*doc, "x");
    doc->Timer1Timer();
    ASSERT_EQ(doc->BackupFiles.size(), 1u);
    EXPECT_EQ(ui::folderOf(doc->BackupFiles[0]), dataFolder);
    // the run's lock is back with it: no other start takes the copy for one whose owner is gone
    EXPECT_TRUE(document::ownerAlive(dataFolder, frame->backupOwner()));
    EXPECT_TRUE(document::findLeftDocuments(dataFolder, "0123456789abcdef").empty());
}

TEST_F(MainWindowTest, PlainTextDocumentsAreCopiedAsPlainTextAndReadBackAsTheSameText) {
    start();
    auto* doc = frame->DocumentSlots[0];
    doc->RichEdit1.setPlainText(true);
    doc->RichEdit1.replaceSelection(kCzech);
    doc->Timer1Timer();
    ASSERT_EQ(doc->BackupFiles.size(), 1u);
    EXPECT_EQ(ui::readFile(doc->BackupFiles[0]), kCzech); // Windows-1250 bytes, no RTF
    auto& back = frame->CreateDocumentWindow(frame->FindFreeSlot(), true, doc->BackupFiles[0]);
    EXPECT_EQ(back.RichEdit1.text(), kCzech);
    EXPECT_TRUE(back.RichEdit1.plainText()); // a copy comes back as what its content is

    // a plain text that opens like RTF would come back as something else: it is kept as RTF
    for (const std::string text : {"{\\rtf1 {\\b tučně} \\par}", "  {\\rtf1 x}"}) {
        doc->RichEdit1.setText(""); // typed: the control would take set text for RTF itself
        typeInto(*doc, text);
        ASSERT_EQ(doc->RichEdit1.text(), text);
        doc->Timer1Timer();
        ASSERT_EQ(doc->BackupFiles.size(), 1u);
        EXPECT_TRUE(doc->RichEdit1.plainText());
        auto& again = frame->CreateDocumentWindow(frame->FindFreeSlot(), true, doc->BackupFiles[0]);
        EXPECT_EQ(again.RichEdit1.text(), text);
    }
}

TEST_F(MainWindowTest, SavingUnderANewNameDeletesTheCopiesAndSavingToTheKnownNameKeepsThem) {
    start();
    auto* doc = frame->DocumentSlots[0];
    typeInto(*doc, "text");
    doc->Timer1Timer();
    // two older copies that could not be deleted when they were replaced are still listed
    data.write("stara1.bcp", "x");
    data.write("stara2.bcp", "y");
    doc->BackupFiles.insert(doc->BackupFiles.begin(), {data.file("stara1.bcp"), data.file("stara2.bcp")});
    ASSERT_EQ(copiesIn(data).size(), 3u);

    prompts.answerFile({docs.file("nový.rtf"), 1, {}});
    frame->runCommand(IDM_ULOZIT); // untitled: Save runs the dialog, then drops every copy
    EXPECT_TRUE(copiesIn(data).empty());
    EXPECT_TRUE(doc->BackupFiles.empty());

    typeInto(*doc, " víc");
    doc->Timer1Timer();
    ASSERT_EQ(copiesIn(data).size(), 1u);
    frame->runCommand(IDM_ULOZIT); // to the known name: the copy stays
    EXPECT_EQ(copiesIn(data).size(), 1u);

    prompts.answerFile({docs.file("jiný.rtf"), 1, {}});
    frame->runCommand(IDM_ULOZITJAKO);
    EXPECT_TRUE(copiesIn(data).empty());
    EXPECT_TRUE(doc->BackupFiles.empty());
}

// A copy that cannot be written (the data folder out of reach, a full disk) is reported once for
// the whole spell, however many documents fail and however often; the timers keep running and
// every tick tries again, status panel 0 says so meanwhile, and the first copy that succeeds
// clears it: text typed while the folder was away is copied as soon as it is back.
TEST_F(MainWindowTest, AFailedCopyIsReportedOnceAndTriedAgainAtEveryTick) {
    data.write("blok", "a file where the data folder should be");
    dataFolder = data.path() + "blok\\Notavo\\";
    start();
    frame->settings().Ulozeni = true; // the windows made from now on tick
    frame->settings().Interval = 60000;
    frame->runCommand(IDM_NOVY);
    frame->runCommand(IDM_NOVY);
    auto* doc = frame->DocumentSlots[1];
    auto* other = frame->DocumentSlots[2];
    const std::string failing = frame->ExtraTexts[language::xBackupFailing];
    typeInto(*doc, "ztraceno?");
    typeInto(*other, "taky");
    prompts.answerBox(IDOK);
    for (int tick = 0; tick < 3; ++tick) {
        SendMessageA(doc->hwnd(), WM_TIMER, kBackupTimer, 0); // through the real boundary
        SendMessageA(other->hwnd(), WM_TIMER, kBackupTimer, 0);
        frame->StatusBar1.setText(0, "jiný příkaz"); // another command writes the panel meanwhile
    }
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));
    EXPECT_EQ(prompts.boxes()[0].caption, "Notavo");
    EXPECT_NE(prompts.boxes()[0].text.find(doc->caption()), std::string::npos);
    EXPECT_NE(prompts.boxes()[0].text.find(frame->ExtraTexts[language::xBackupRetry]), std::string::npos);
    for (auto* d : {doc, other}) {
        EXPECT_TRUE(d->Timer1.running()); // copies go on
        EXPECT_TRUE(d->ChangedSinceBackup);
        EXPECT_TRUE(d->BackupFiles.empty());
    }
    SendMessageA(doc->hwnd(), WM_TIMER, kBackupTimer, 0);
    EXPECT_EQ(frame->StatusBar1.text(0), failing); // each failing tick says so again

    DeleteFileA(data.file("blok").c_str()); // the folder can be made again
    typeInto(*doc, " ne");
    SendMessageA(doc->hwnd(), WM_TIMER, kBackupTimer, 0);
    ASSERT_EQ(doc->BackupFiles.size(), 1u);
    EXPECT_NE(ui::readFile(doc->BackupFiles[0]).find("ztraceno? ne"), std::string::npos);
    EXPECT_EQ(frame->StatusBar1.text(0), failing); // the other document still fails
    SendMessageA(other->hwnd(), WM_TIMER, kBackupTimer, 0);
    EXPECT_EQ(other->BackupFiles.size(), 1u);
    EXPECT_EQ(frame->StatusBar1.text(0), ""); // every copy succeeds again
    EXPECT_EQ(prompts.boxes().size(), 1u);

    // a new spell is reported again
    frame->ClearDataFolder(); // the run's lock goes, which would keep the folder from going
    for (const auto& f : ui::listEntries(dataFolder + "*", false)) DeleteFileA((dataFolder + f).c_str());
    RemoveDirectoryA(dataFolder.c_str());
    RemoveDirectoryA((data.path() + "blok").c_str());
    data.write("blok", "again");
    typeInto(*doc, "!");
    prompts.answerBox(IDOK);
    SendMessageA(doc->hwnd(), WM_TIMER, kBackupTimer, 0);
    EXPECT_EQ(prompts.boxes().size(), 2u);
    EXPECT_EQ(frame->StatusBar1.text(0), failing);
    DeleteFileA(data.file("blok").c_str());
}

TEST_F(MainWindowTest, TimersFollowTheSettingsWhenTheWindowIsMade) {
    settingsFile(data, true, 60000);
    start();
    auto* first = frame->DocumentSlots[0];
    EXPECT_TRUE(first->Timer1.running());
    frame->settings().Interval = 0; // a later change reaches only new windows
    frame->runCommand(IDM_NOVY);
    EXPECT_TRUE(first->Timer1.running());
    EXPECT_FALSE(frame->DocumentSlots[1]->Timer1.running()); // an interval of 0 makes no ticks
    frame->settings().Interval = 60000;
    frame->settings().Ulozeni = false;
    frame->runCommand(IDM_NOVY);
    EXPECT_FALSE(frame->DocumentSlots[2]->Timer1.running());
}

TEST_F(MainWindowTest, TheTimerWritesCopiesByItself) {
    settingsFile(data, true, 20);
    start();
    auto* doc = frame->DocumentSlots[0];
    typeInto(*doc, kCzech);
    ASSERT_TRUE(pumpUntil([&] { return !doc->BackupFiles.empty(); }));
    EXPECT_TRUE(doc->Timer1.running()); // started again after the copy
    typeInto(*doc, "!");
    const std::string first = doc->BackupFiles[0];
    ASSERT_TRUE(pumpUntil([&] { return doc->BackupFiles.size() == 1 && doc->BackupFiles[0] != first; }));
    EXPECT_FALSE(ui::fileExists(first));
    auto& back = frame->CreateDocumentWindow(frame->FindFreeSlot(), true, doc->BackupFiles[0]);
    EXPECT_EQ(back.RichEdit1.text(), kCzech + "!");
}

// --- reading the copies back at the next start

TEST_F(MainWindowTest, RecoveredDocumentsOwnTheirCopiesUntilANewerOneExists) {
    data.write("aaaaaaaaaaa.bcp", "{\\rtf1\\ansi\\ansicpg1250 jedna\\par}");
    data.write("bbbbbbbbbbb.bcp", "{\\rtf1\\ansi\\ansicpg1250 dva\\par}");
    prompts.answerBox(IDYES);
    start();
    ASSERT_EQ(openCount(), 2);
    std::vector<std::string> texts;
    for (int i = 0; i < 2; ++i) {
        auto* doc = frame->DocumentSlots[i];
        texts.push_back(doc->RichEdit1.text());
        EXPECT_TRUE(doc->RichEdit1.modified()); // no file yet: closing it asks
        EXPECT_TRUE(doc->FileName.empty());
        EXPECT_FALSE(doc->ChangedSinceBackup); // its copy on disk holds this very text
        ASSERT_EQ(doc->BackupFiles.size(), 1u);
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"dva", "jedna"}));
    EXPECT_TRUE(frame->action(IDM_ULOZIT).enabled());
    // a second crash now would still find both copies
    EXPECT_EQ(copiesIn(data), (std::vector<std::string>{"aaaaaaaaaaa.bcp", "bbbbbbbbbbb.bcp"}));

    auto* doc = frame->DocumentSlots[0];
    const std::string own = doc->BackupFiles[0];
    doc->RichEdit1.replaceSelection("nové ");
    doc->Timer1Timer();
    EXPECT_FALSE(ui::fileExists(own)); // replaced by the document's newer copy
    EXPECT_EQ(copiesIn(data).size(), 2u);

    // closing a recovered document asks whether to save it
    auto* other = frame->DocumentSlots[1];
    prompts.answerBox(IDNO);
    EXPECT_EQ(other->requestClose(), document::CloseOutcome::Closed);
    ui::pumpPending();
    ASSERT_EQ(prompts.boxes().size(), 2u);
    EXPECT_EQ(prompts.boxes()[1].flags, UINT(MB_ICONQUESTION | MB_YESNOCANCEL));
    EXPECT_EQ(openCount(), 1);
}

TEST_F(MainWindowTest, ACopyThatCannotBeReadIsReportedAndKept) {
    data.write("aaaaaaaaaaa.bcp", "{\\rtf1 dobra\\par}");
    data.write("zamcenaaaaa.bcp", "{\\rtf1 zamcena\\par}");
    ui::UniqueFile lock{CreateFileA(data.file("zamcenaaaaa.bcp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr)};
    ASSERT_TRUE(lock);
    prompts.answerBox(IDYES);
    prompts.answerBox(IDOK); // the error report for the locked copy
    start();
    lock.reset();
    ASSERT_EQ(prompts.boxes().size(), 2u);
    EXPECT_EQ(prompts.boxes()[1].flags, UINT(MB_OK | MB_ICONERROR));
    ASSERT_EQ(openCount(), 1);
    EXPECT_EQ(frame->DocumentSlots[0]->RichEdit1.text(), "dobra");
    EXPECT_TRUE(data.exists("zamcenaaaaa.bcp"));
    // a normal end clears the data folder but keeps it, so that the next start offers it again
    prompts.answerBox(IDNO); // the reopened copy is unsaved: do not save it
    closeMainWindow();
    EXPECT_TRUE(terminated);
    EXPECT_EQ(data.names(), (std::vector<std::string>{"Notavo.ini", "zamcenaaaaa.bcp"}));
}

TEST_F(MainWindowTest, WhenNoCopyCanBeReadAnEmptyDocumentIsOpened) {
    CreateDirectoryA(data.file("slozka.bcp").c_str(), nullptr); // listed, but no file
    prompts.answerBox(IDYES);
    prompts.answerBox(IDOK);
    start();
    ASSERT_EQ(openCount(), 1);
    EXPECT_EQ(frame->DocumentSlots[0]->caption(), "Dokument 1");
    EXPECT_TRUE(frame->DocumentSlots[0]->RichEdit1.text().empty());
    RemoveDirectoryA(data.file("slozka.bcp").c_str());
}

TEST_F(MainWindowTest, ANormalEndClearsTheCopiesOfTheRun) {
    settingsFile(data, true, 60000);
    start();
    auto* doc = frame->DocumentSlots[0];
    typeInto(*doc, "neuloženo");
    doc->Timer1Timer();
    ASSERT_EQ(copiesIn(data).size(), 1u);
    prompts.answerBox(IDNO); // do not save
    closeMainWindow();
    EXPECT_TRUE(terminated);
    EXPECT_EQ(data.names(), std::vector<std::string>{"Notavo.ini"});
}

TEST_F(MainWindowTest, AnInterruptedWriteIsNeverOffered) {
    // a crash while a copy is written leaves only its temporary file, never a "*.bcp"
    data.write("nv3F2A.tmp", "{\\rtf1 useknut");
    data.write("aaaaaaaaaaa.bcp", "{\\rtf1 cela\\par}");
    prompts.answerBox(IDYES);
    start();
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_NE(prompts.boxes()[0].text.find("(1)"), std::string::npos);
    ASSERT_EQ(openCount(), 1);
    EXPECT_EQ(frame->DocumentSlots[0]->RichEdit1.text(), "cela");
}

TEST_F(MainWindowTest, FormattingIsAChangeForTheNextCopy) {
    start();
    auto* doc = frame->DocumentSlots[0];
    typeInto(*doc, "slovo");
    doc->Timer1Timer();
    ASSERT_FALSE(doc->ChangedSinceBackup);
    doc->RichEdit1.select(0, 5);
    const std::string plain = doc->BackupFiles[0];
    const std::string plainText = ui::readFile(plain);
    doc->SetBold(true); // no EN_CHANGE for formatting: the tick compares the content
    doc->Timer1Timer();
    ASSERT_EQ(doc->BackupFiles.size(), 1u);
    EXPECT_NE(doc->BackupFiles[0], plain);
    EXPECT_TRUE(switchesOn(ui::readFile(doc->BackupFiles[0]), "b"));
    EXPECT_FALSE(switchesOn(plainText, "b")) << "the first copy has no bold yet";
    doc->Timer1Timer(); // and an unchanged text is not copied again
    EXPECT_EQ(copiesIn(data).size(), 1u);

    // a named document whose only change is formatting gets its first copy too
    docs.write("a.rtf", "{\\rtf1\\ansi jedna dva\\par}");
    frame->CreateDocumentWindow(frame->FindFreeSlot(), true, docs.file("a.rtf"));
    auto* named = frame->DocumentSlots[1];
    named->Timer1Timer();
    EXPECT_TRUE(named->BackupFiles.empty()); // unchanged: it is safe in its file
    named->RichEdit1.select(0, 5);
    named->SetItalic(true);
    named->Timer1Timer();
    ASSERT_EQ(named->BackupFiles.size(), 1u);
    EXPECT_TRUE(switchesOn(ui::readFile(named->BackupFiles[0]), "i"));
}
