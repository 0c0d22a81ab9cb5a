// tests/win/commands_test.cpp — the document commands: open, save, save as, the file type
// question, what the status bar says, round trips of RTF and plain text, the clipboard
#include "app/resource.h"
#include "tests/win/support.h"
#include "ui/errors.h"
#include "ui/files.h"
#include "ui/window.h"

using namespace test;

namespace {

// pandoc's RTF of a short Czech text (pandoc -s -t rtf): \u escapes, groups for bold and
// italic, a heading of 18 pt, a list with a tab stop
const std::string kPandoc =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 \\fswiss Helvetica;}{\\f1 \\fmodern Courier;}}\n"
    "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
    "\\widowctrl\\hyphauto\n\n"
    "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 \\outlinelevel0 \\b \\fs36 Kapitola prvn\\u237?\\par}\n"
    "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 P\\u345?\\u237?li\\u353? {\\b \\u382?lu\\u357?ou\\u269?k\\u253?} "
    "k\\u367?\\u328? {\\i \\u250?p\\u283?l} \\u271?\\u225?belsk\\u233? \\u243?dy.\\par}\n"
    "{\\pard \\ql \\f0 \\sa0 \\li360 \\fi-360 \\bullet \\tx360\\tab polo\\u382?ka jedna\\par}\n"
    "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 Konec dokumentu.\\par}\n}\n";

struct Format {
    std::string face;
    int twips = 0;
    bool bold = false, italic = false, underline = false;
    COLORREF color = 0;
    WORD alignment = 0;
    bool operator==(const Format&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Format& f) {
    return os << f.face << " " << f.twips << (f.bold ? " b" : "") << (f.italic ? " i" : "") << (f.underline ? " u" : "")
              << " #" << std::hex << f.color << std::dec << " a" << f.alignment;
}

// The character and paragraph format at one character of the control.
Format formatAt(ui::RichEdit& e, long at) {
    e.select(at, at + 1);
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    SendMessageA(e.hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    SendMessageA(e.hwnd(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    return Format{cf.szFaceName, static_cast<int>(cf.yHeight), (cf.dwEffects & CFE_BOLD) != 0,
                  (cf.dwEffects & CFE_ITALIC) != 0, (cf.dwEffects & CFE_UNDERLINE) != 0, cf.crTextColor,
                  pf.wAlignment};
}

// Every character of Windows-1250 that has one, tabs and Windows line ends.
std::string allCzechBytes() {
    std::string s;
    for (int c = 0x20; c <= 0xFF; ++c) {
        if (c == 0x7F || c == 0x81 || c == 0x83 || c == 0x88 || c == 0x90 || c == 0x98) continue;
        s += static_cast<char>(c);
        if (c % 32 == 31) s += "\r\n";
    }
    return s + "\tPříliš žluťoučký kůň úpěl ďábelské ódy\r\nŘEŘICHA ŠŤOVÍK ŽÁBA";
}

// A change that leaves the text as it was but marks the document modified, as typing and
// deleting a letter does.
void touch(ui::RichEdit& e) {
    e.select(0, 0);
    e.replaceSelection("x");
    e.select(0, 1);
    e.replaceSelection("");
}

class CommandsTest : public MainWindowTest {
protected:
    document::Teditor1& doc() { return *frame->activeDocument(); }
    const std::string& strings(int i) { return frame->LanguageStrings.at(static_cast<size_t>(i)); }
    void command(UINT id) { SendMessageA(frame->hwnd(), WM_COMMAND, id, 0); } // through the real boundary
};

} // namespace

TEST_F(CommandsTest, OpenShowsItsProgressAndRemembersTheLastFile) {
    docs.write("a.txt", "první");
    start();
    prompts.answerFile({std::nullopt, 1, {}});
    command(IDM_OTEVRIT);
    EXPECT_EQ(openCount(), 1);
    EXPECT_EQ(frame->StatusBar1.text(0), strings(5));
    EXPECT_EQ(frame->StatusBar1.text(1), ""); // nothing chosen yet
    ASSERT_EQ(prompts.dialogs().size(), 1u);
    const auto& args = prompts.dialogs()[0].args;
    EXPECT_FALSE(prompts.dialogs()[0].save);
    EXPECT_EQ(args.filter, "Formátovaný text (*.rtf)|*.rtf|Textový soubor (*.txt)|*.txt|Všechny soubory (*.*)|*.*");
    EXPECT_EQ(args.defaultExt, "rtf");
    EXPECT_EQ(args.filterIndex, 1);
    EXPECT_TRUE(args.mustExist);

    prompts.answerFile({docs.file("a.txt"), 1, {}});
    command(IDM_OTEVRIT);
    ASSERT_EQ(openCount(), 2);
    EXPECT_EQ(frame->ActiveSlot, 1);
    EXPECT_EQ(doc().caption(), "a.txt");
    EXPECT_EQ(doc().FileName, docs.file("a.txt"));
    EXPECT_EQ(doc().RichEdit1.text(), "první");
    EXPECT_FALSE(doc().RichEdit1.modified());
    EXPECT_TRUE(doc().RichEdit1.plainText()); // its content is text, whatever the filter
    EXPECT_EQ(frame->StatusBar1.text(1), "a.txt");
    EXPECT_EQ(frame->StatusBar1.text(0), strings(5));

    // cancelled again: panel 1 shows the name chosen the last time
    frame->StatusBar1.setText(1, "jiný");
    prompts.answerFile({std::nullopt, 2, {}});
    command(IDM_OTEVRIT);
    EXPECT_EQ(frame->StatusBar1.text(1), "a.txt");
    EXPECT_EQ(prompts.dialogs()[2].args.fileName, docs.file("a.txt"));
    EXPECT_EQ(frame->OpenDialog1.filterIndex, 1); // a cancel keeps the type chosen before
    EXPECT_EQ(openCount(), 2);
}

TEST_F(CommandsTest, FileThatCannotBeReadIsReportedAndLeavesNoWindow) {
    start();
    frame->StatusBar1.setText(1, "dřívější");
    prompts.answerFile({docs.file("zmizel.rtf"), 1, {}}); // gone between the dialog and the load
    prompts.answerBox(IDOK);
    command(IDM_OTEVRIT);
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));
    EXPECT_EQ(prompts.boxes()[0].caption, "Notavo");
    EXPECT_EQ(frame->StatusBar1.text(0), strings(6)); // the command ended at the failure
    // the file's name never reached panel 1; the untitled document active again names none
    EXPECT_EQ(frame->StatusBar1.text(1), "");
    EXPECT_EQ(openCount(), 1);
}

// However a file arrives, its content alone decides how it is read: RTF exactly when it starts
// with "{\rtf", else plain text; and a plain-text document is written back as plain text.
TEST_F(CommandsTest, FormatFollowsTheContentWhateverTheWayTheFileArrives) {
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg1250 {\\b tu\\'e8n\\'e9} text\\par}";
    const std::string text = "Řádek jedna\r\nŘádek dvě";
    docs.write("text.rtf", text); // names that lie about the content
    docs.write("rtf.txt", rtf);
    start();
    enum Way { Filter1, Filter2, AllFiles, CommandLine, Drop };
    for (Way way : {Filter1, Filter2, AllFiles, CommandLine, Drop}) {
        for (const char* name : {"text.rtf", "rtf.txt"}) {
            const bool isRtf = std::string(name) == "rtf.txt";
            SCOPED_TRACE(std::to_string(way) + " " + name);
            if (way <= AllFiles) {
                prompts.answerFile({docs.file(name), int(way) + 1, {}});
                command(IDM_OTEVRIT);
            } else if (way == CommandLine) {
                frame->show(SW_SHOWNOACTIVATE, {docs.file(name)});
            } else {
                frame->dropFiles({docs.file(name)});
            }
            ASSERT_EQ(doc().FileName, docs.file(name));
            EXPECT_EQ(doc().RichEdit1.plainText(), !isRtf);
            EXPECT_EQ(doc().RichEdit1.text(), isRtf ? "tučné text" : text);
            touch(doc().RichEdit1);
            command(IDM_ULOZIT);
            if (isRtf) EXPECT_EQ(docs.read(name).rfind("{\\rtf", 0), 0u);
            else EXPECT_EQ(docs.read(name), text);
            EXPECT_EQ(doc().requestClose(), document::CloseOutcome::Closed); // saved: no question
            ui::pumpPending();
        }
    }
    EXPECT_EQ(frame->OpenDialog1.filterIndex, 3); // the dialog still remembers the type
}

TEST_F(CommandsTest, SaveOfAnUntitledDocumentWhoseDialogIsCancelled) {
    start();
    doc().RichEdit1.replaceSelection("text");
    EXPECT_TRUE(frame->action(IDM_ULOZIT).enabled());
    prompts.answerFile({std::nullopt, 1, {}});
    command(IDM_ULOZIT);
    EXPECT_TRUE(docs.names().empty());
    EXPECT_EQ(frame->StatusBar1.text(0), strings(1));
    EXPECT_FALSE(frame->action(IDM_ULOZIT).enabled());
    EXPECT_TRUE(doc().RichEdit1.modified());
    // the next keystroke enables it again
    SendMessageA(doc().RichEdit1.hwnd(), WM_CHAR, 'a', 0);
    ui::pumpPending();
    EXPECT_TRUE(frame->action(IDM_ULOZIT).enabled());
    EXPECT_EQ(doc().RichEdit1.text(), "texta");
}

TEST_F(CommandsTest, SaveOfAnUnchangedNamedDocumentWritesNothing) {
    docs.write("a.txt", "obsah");
    start({docs.file("a.txt")});
    docs.write("a.txt", "změněno jinde"); // a write would put the document's text back
    frame->StatusBar1.setText(1, "");
    command(IDM_ULOZIT);
    EXPECT_EQ(docs.read("a.txt"), "změněno jinde");
    EXPECT_TRUE(prompts.dialogs().empty());
    EXPECT_EQ(frame->StatusBar1.text(1), "a.txt");
    EXPECT_FALSE(frame->action(IDM_ULOZIT).enabled());
}

TEST_F(CommandsTest, SaveAsOverAnExistingFileAsksNothingAndTouchesNoStatus) {
    docs.write("stary.rtf", "stary obsah");
    start();
    doc().RichEdit1.replaceSelection("nový");
    frame->StatusBar1.setText(0, "před");
    prompts.answerFile({docs.file("stary.rtf"), 1, {}});
    command(IDM_ULOZITJAKO);
    EXPECT_TRUE(prompts.boxes().empty());
    EXPECT_EQ(docs.read("stary.rtf").rfind("{\\rtf", 0), 0u);
    EXPECT_EQ(frame->StatusBar1.text(0), "před");
    EXPECT_TRUE(frame->action(IDM_ULOZIT).enabled()); // still modified
    EXPECT_TRUE(prompts.dialogs()[0].save);
    EXPECT_TRUE(prompts.dialogs()[0].args.fileName.empty()); // untitled: no name offered
    EXPECT_EQ(docs.names(), std::vector<std::string>{"stary.rtf"});
}

// Plain text chosen and confirmed, then the dialog cancelled: the document is plain text for
// good, also when the formatted type is chosen again later. Another document is not affected,
// and its dialog opens on its own type.
TEST_F(CommandsTest, PlainTextChoiceHoldsAfterACancelledDialog) {
    start();
    frame->runCommand(IDM_NOVY);
    auto* first = frame->DocumentSlots[0];
    auto* second = frame->DocumentSlots[1];
    second->RichEdit1.replaceSelection("Žluťoučký");
    prompts.answerBox(IDYES);
    prompts.answerFile({std::nullopt, 2, {2}});
    command(IDM_ULOZITJAKO);
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].text, strings(9));
    EXPECT_EQ(prompts.boxes()[0].caption, strings(10));
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_ICONQUESTION | MB_YESNO));
    EXPECT_TRUE(second->RichEdit1.plainText());
    EXPECT_FALSE(first->RichEdit1.plainText());

    // saved later through the dialog, the formatted type picked: still plain text
    prompts.answerFile({docs.file("druhy.rtf"), 1, {1}});
    command(IDM_ULOZIT);
    EXPECT_EQ(prompts.dialogs()[1].args.filterIndex, 2); // it opened on plain text
    EXPECT_EQ(docs.read("druhy.rtf"), "Žluťoučký");

    // the formatted first document: its dialog opens on formatted text and writes RTF
    first->RichEdit1.replaceSelection("prvni");
    SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->hwnd()), 0);
    prompts.answerFile({docs.file("prvni.rtf"), 1, {}});
    command(IDM_ULOZIT);
    EXPECT_EQ(prompts.dialogs()[2].args.filterIndex, 1);
    EXPECT_EQ(docs.read("prvni.rtf").rfind("{\\rtf", 0), 0u);
    EXPECT_EQ(prompts.boxes().size(), 1u);
}

// A failed save reports the error, says nothing of success, keeps the old file and the
// document modified; nothing is left in the folder.
TEST_F(CommandsTest, FailedSaveNeverReportsSuccess) {
    docs.write("ro.txt", "starý obsah");
    start({docs.file("ro.txt")});
    doc().RichEdit1.replaceSelection("nový ");
    SetFileAttributesA(docs.file("ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    prompts.answerBox(IDOK);
    command(IDM_ULOZIT);
    SetFileAttributesA(docs.file("ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));
    EXPECT_EQ(docs.read("ro.txt"), "starý obsah");
    EXPECT_EQ(frame->StatusBar1.text(0), strings(0)); // "saving", never "saved"
    EXPECT_TRUE(frame->action(IDM_ULOZIT).enabled());
    EXPECT_TRUE(doc().RichEdit1.modified());
    EXPECT_EQ(docs.names(), std::vector<std::string>{"ro.txt"});

    // the folder of a named document has gone
    TempDir gone;
    gone.write("b.txt", "b");
    prompts.answerFile({gone.file("b.txt"), 1, {}});
    command(IDM_ULOZITJAKO);
    EXPECT_EQ(doc().FileName, gone.file("b.txt"));
    DeleteFileA(gone.file("b.txt").c_str());
    RemoveDirectoryA(gone.path().c_str());
    prompts.answerBox(IDOK);
    command(IDM_ULOZIT);
    ASSERT_EQ(prompts.boxes().size(), 2u);
    EXPECT_EQ(prompts.boxes()[1].flags, UINT(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(doc().RichEdit1.modified());
    EXPECT_EQ(frame->StatusBar1.text(0), strings(0));
}

TEST_F(CommandsTest, RtfRoundTripKeepsTextAndFormatting) {
    start();
    ui::RichEdit& e = doc().RichEdit1;
    e.setText("Nadpis\r\nTučné kurzíva podtržené červené\r\nVpravo");
    e.select(0, 6);
    e.setSelectionFace("Arial");
    e.setSelectionSize(18);
    e.setAlignment(PFA_CENTER);
    e.select(7, 12);
    e.setSelectionEffect(ui::RichEdit::Bold, true);
    e.select(13, 20);
    e.setSelectionEffect(ui::RichEdit::Italic, true);
    e.select(21, 30);
    e.setSelectionEffect(ui::RichEdit::Underline, true);
    e.select(31, 38);
    e.setSelectionColor(RGB(200, 0, 0));
    e.select(39, 39);
    e.setAlignment(PFA_RIGHT);
    std::vector<Format> before;
    for (long i = 0; i < e.textLength(); ++i) before.push_back(formatAt(e, i));

    prompts.answerFile({docs.file("kolo.rtf"), 1, {}});
    command(IDM_ULOZITJAKO);
    prompts.answerFile({docs.file("kolo.rtf"), 1, {}});
    command(IDM_OTEVRIT);
    ui::RichEdit& back = doc().RichEdit1;
    ASSERT_NE(&back, &e);
    EXPECT_EQ(back.text(), e.text());
    for (long i = 0; i < e.textLength(); ++i) EXPECT_EQ(formatAt(back, i), before[static_cast<size_t>(i)]) << i;
    EXPECT_TRUE(formatAt(back, 7).bold);
    EXPECT_EQ(formatAt(back, 0).alignment, PFA_CENTER);
    EXPECT_EQ(formatAt(back, 40).alignment, PFA_RIGHT);
}

TEST_F(CommandsTest, DocumentFromAnotherProgramOpensWithItsFormatting) {
    docs.write("pandoc.rtf", kPandoc);
    start({docs.file("pandoc.rtf")});
    ui::RichEdit& e = doc().RichEdit1;
    const std::string text = e.text();
    EXPECT_EQ(text, "Kapitola první\r\nPříliš žluťoučký kůň úpěl ďábelské ódy.\r\n\x95\tpoložka jedna\r\nKonec dokumentu.");
    const long bold = static_cast<long>(text.find("žluťoučký")) - 1; // one line end is one character
    EXPECT_TRUE(formatAt(e, 0).bold);
    EXPECT_EQ(formatAt(e, 0).twips, 360);
    EXPECT_FALSE(formatAt(e, bold - 2).bold);
    EXPECT_TRUE(formatAt(e, bold).bold);
    EXPECT_TRUE(formatAt(e, static_cast<long>(text.find("úpěl")) - 1).italic);
    // saved by the control and read again: the same text
    touch(e);
    command(IDM_ULOZIT);
    prompts.answerFile({docs.file("pandoc.rtf"), 1, {}});
    command(IDM_OTEVRIT);
    EXPECT_EQ(doc().RichEdit1.text(), text);
    EXPECT_TRUE(formatAt(doc().RichEdit1, bold).bold);
}

TEST_F(CommandsTest, PlainTextRoundTripKeepsEveryByte) {
    const std::string bytes = allCzechBytes();
    docs.write("cesky.txt", bytes);
    start();
    prompts.answerFile({docs.file("cesky.txt"), 2, {}});
    command(IDM_OTEVRIT);
    touch(doc().RichEdit1);
    command(IDM_ULOZIT);
    EXPECT_EQ(docs.read("cesky.txt"), bytes);

    // opened as formatted text and saved as plain text
    // opened with the formatted filter and saved under another name: still plain text, and
    // choosing the plain-text type asks nothing, since the document already is
    prompts.answerFile({docs.file("cesky.txt"), 1, {}});
    command(IDM_OTEVRIT);
    prompts.answerFile({docs.file("kopie.txt"), 2, {2}});
    command(IDM_ULOZITJAKO);
    EXPECT_EQ(docs.read("kopie.txt"), bytes);
    EXPECT_TRUE(prompts.boxes().empty());
}

TEST_F(CommandsTest, ClipboardMovesTextWithItsFormatting) {
    start();
    auto* from = &doc();
    from->RichEdit1.setText("před tučné po");
    from->RichEdit1.select(5, 10);
    from->RichEdit1.setSelectionEffect(ui::RichEdit::Bold, true);
    from->RichEdit1.setModified(false);
    from->RichEdit1.select(5, 10);
    command(IDM_KOPIROVAT);
    EXPECT_EQ(from->RichEdit1.text(), "před tučné po");
    EXPECT_FALSE(from->RichEdit1.modified());

    command(IDM_NOVY);
    auto* to = &doc();
    ASSERT_NE(to, from);
    command(IDM_VLOZIT);
    EXPECT_EQ(to->RichEdit1.text(), "tučné");
    EXPECT_TRUE(formatAt(to->RichEdit1, 0).bold);
    EXPECT_TRUE(to->RichEdit1.modified());

    // cut: the text goes to the clipboard and the document is changed (the close prompt asks)
    SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(from->hwnd()), 0);
    frame->action(IDM_ULOZIT).setEnabled(false);
    from->RichEdit1.select(0, 5);
    command(IDM_VYJMOUT);
    EXPECT_EQ(from->RichEdit1.text(), "tučné po");
    EXPECT_TRUE(from->RichEdit1.modified());
    EXPECT_TRUE(frame->action(IDM_ULOZIT).enabled());
    command(IDM_NOVY);
    command(IDM_VLOZIT);
    EXPECT_EQ(doc().RichEdit1.text(), "před ");
    EXPECT_FALSE(formatAt(doc().RichEdit1, 0).bold);
}

// The close command hands the decision to the close prompt: a cancelled save dialog or Cancel
// keeps the window; after save as the document is still modified, so the prompt still asks.
TEST_F(CommandsTest, CloseCommandAsksAboutAModifiedDocument) {
    start();
    auto* d = &doc();
    d->RichEdit1.replaceSelection("obsah");
    prompts.answerBox(IDYES);
    prompts.answerFile({std::nullopt, 1, {}});
    command(IDM_ZAVRIT);
    EXPECT_EQ(frame->DocumentSlots[0], d);
    EXPECT_FALSE(frame->MayCloseFlag);
    prompts.answerBox(IDCANCEL);
    command(IDM_ZAVRIT);
    EXPECT_EQ(frame->DocumentSlots[0], d);
    EXPECT_TRUE(d->RichEdit1.modified());

    prompts.answerFile({docs.file("a.rtf"), 1, {}});
    command(IDM_ULOZITJAKO);
    const std::string saved = docs.read("a.rtf");
    prompts.answerBox(IDNO);
    command(IDM_ZAVRIT);
    ui::pumpPending();
    ASSERT_EQ(prompts.boxes().size(), 3u);
    EXPECT_EQ(prompts.boxes()[2].text, strings(16) + "a.rtf?");
    EXPECT_EQ(prompts.boxes()[2].caption, strings(17));
    EXPECT_EQ(openCount(), 0);
    EXPECT_TRUE(frame->MayCloseFlag);
    EXPECT_FALSE(frame->menu(app::mmTisk1).enabled()); // the last one: document commands off
    EXPECT_FALSE(frame->ToolBar1.enabled(IDT_TISK));
    EXPECT_EQ(docs.read("a.rtf"), saved);
}

// A write that fails part way (a full disk, say) leaves the old file whole and no temporary
// file beside it.
TEST(SafeWriting, AFailureMidwayKeepsTheOldFile) {
    TempDir dir;
    dir.write("dopis.rtf", "starý obsah");
    EXPECT_THROW(ui::writeFileReplacing(dir.file("dopis.rtf"),
                                        [](void* file) {
                                            ui::writeAll(file, "nový zač");
                                            throw ui::AppError("Na disku není dost místa");
                                        }),
                 ui::AppError);
    EXPECT_EQ(dir.read("dopis.rtf"), "starý obsah");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"dopis.rtf"});
    ui::writeFileReplacing(dir.file("dopis.rtf"), [](void* file) { ui::writeAll(file, "nový"); });
    EXPECT_EQ(dir.read("dopis.rtf"), "nový");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"dopis.rtf"});
}
