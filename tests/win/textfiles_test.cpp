// tests/win/textfiles_test.cpp — text files through the real document window: encodings, byte
// order marks and line ends written back unchanged, characters outside Windows-1250, copies
#include "app/resource.h"
#include "lang/extra.h"
#include "tests/win/support.h"
#include "ui/files.h"
#include "ui/window.h"

using namespace test;

namespace {

std::string u8b(const char8_t* s) { return reinterpret_cast<const char*>(s); }

class TextFilesTest : public MainWindowTest {
protected:
    document::Teditor1& doc() { return *frame->activeDocument(); }
    // Types `text` at the start, as the keyboard would.
    void typeAtStart(const std::string& text) {
        doc().RichEdit1.select(0, 0);
        for (char c : text) SendMessageA(doc().RichEdit1.hwnd(), WM_CHAR, static_cast<unsigned char>(c), 0);
        ui::pumpPending();
    }
    // Puts UTF-16 text at the start, as a paste of Unicode text does (Win32: an ANSI window
    // gets typed characters in its code page, so characters outside it come by the clipboard).
    void touchAndKeep() { // a change that keeps the text
        typeAtStart("x");
        doc().RichEdit1.select(0, 1);
        doc().RichEdit1.replaceSelection("");
    }
    void pasteAtStart(const std::u16string& text) {
        doc().RichEdit1.select(0, 0);
        SETTEXTEX st{ST_SELECTION | ST_KEEPUNDO, 1200};
        SendMessageA(doc().RichEdit1.hwnd(), EM_SETTEXTEX, reinterpret_cast<WPARAM>(&st),
                     reinterpret_cast<LPARAM>(text.c_str()));
        doc().RichEdit1.setModified(true);
        ui::pumpPending();
    }
};

} // namespace

// Open, type at the start, save: the file is the typed text followed by the old bytes, in the
// file's own encoding, byte-order mark and line ends.
TEST_F(TextFilesTest, EditedFilesComeBackByteForByte) {
    const struct { const char* what; std::string bytes; std::string typed; std::string panel; } cases[] = {
        {"UTF-8, LF", u8b(u8"Žluťoučký kůň\nПривет, мир\nΕλλάδα 😀\n"), u8b(u8"Řž"), "UTF-8"},
        {"UTF-8, CR LF, no end", u8b(u8"první řádek\r\nдругой"), u8b(u8"Řž"), "UTF-8"},
        {"UTF-8 with BOM, LF", "\xEF\xBB\xBF" + u8b(u8"čeština\nкириллица\n"), u8b(u8"Řž"), "UTF-8 s BOM"},
        {"UTF-8 with BOM, ASCII", "\xEF\xBB\xBF" "ascii\r\n", u8b(u8"Řž"), "UTF-8 s BOM"},
        {"UTF-16LE", std::string("\xFF\xFE\x16\x04\r\0\n\0x\0", 10), std::string("\x58\x01\x7E\x01", 4), "UTF-16 LE"},
        {"Windows-1250, CR LF", "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD\r\nk\xF9\xF2\r\n", "\xD8\x9E", "Windows-1250"},
        {"ASCII, LF", "plain\nlines\n", "\xD8\x9E", "Windows-1250"},
    };
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        docs.write("t.txt", c.bytes);
        frame->dropFiles({docs.file("t.txt")});
        ASSERT_EQ(doc().FileName, docs.file("t.txt"));
        EXPECT_TRUE(doc().RichEdit1.plainText());
        EXPECT_EQ(frame->StatusBar1.text(3), c.panel);
        typeAtStart("Řž");
        frame->runCommand(IDM_ULOZIT);
        const std::size_t bom = c.bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : c.bytes.rfind("\xFF\xFE", 0) == 0 ? 2 : 0;
        EXPECT_EQ(docs.read("t.txt"), c.bytes.substr(0, bom) + c.typed + c.bytes.substr(bom));
        EXPECT_TRUE(prompts.boxes().empty());
        EXPECT_EQ(doc().requestClose(), document::CloseOutcome::Closed); // saved: no question
        ui::pumpPending();
    }
}

// A Windows-1250 file given a character the code page lacks: Yes writes it as UTF-8, and the
// document is UTF-8 from then on; the typed character survives a reopen.
TEST_F(TextFilesTest, CharactersOutsideWindows1250OfferUtf8) {
    docs.write("a.txt", "k\xF9\xF2\r\n");
    start({docs.file("a.txt")});
    pasteAtStart(u"Ж");
    prompts.answerBox(IDNO); // declined: "?" stands for it, the document stays Windows-1250
    frame->runCommand(IDM_ULOZIT);
    EXPECT_EQ(docs.read("a.txt"), "?k\xF9\xF2\r\n");
    touchAndKeep();
    prompts.answerBox(IDYES);
    frame->runCommand(IDM_ULOZIT);
    ASSERT_EQ(prompts.boxes().size(), 2u);
    EXPECT_EQ(prompts.boxes()[0].caption, "Kódování");
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_ICONQUESTION | MB_YESNO));
    const std::string utf8 = u8b(u8"Жkůň\r\n");
    EXPECT_EQ(docs.read("a.txt"), utf8);
    EXPECT_EQ(frame->StatusBar1.text(3), "UTF-8");
    frame->dropFiles({docs.file("a.txt")});
    const std::u16string text = u"Жkůň\r\n";
    EXPECT_EQ(doc().RichEdit1.unicodeText(), text);
}

// A copy of a plain-text document reads back as the same text and in the same mode, also when
// its own encoding cannot hold the text or the text would read as RTF.
TEST_F(TextFilesTest, CopiesOfTextDocumentsReadBackAsTheSameText) {
    docs.write("a.txt", "p\xF8\xEDli\x9A\r\n");
    start({docs.file("a.txt")});
    for (const std::u16string typed : {u"ř", u"Ж", u"{\\rtf1 x}"}) {
        pasteAtStart(typed);
        const std::u16string text = doc().RichEdit1.unicodeText();
        doc().Timer1Timer();
        ASSERT_EQ(doc().BackupFiles.size(), 1u);
        const std::string copy = doc().BackupFiles[0];
        auto& back = frame->CreateDocumentWindow(frame->FindFreeSlot(), true, copy);
        EXPECT_TRUE(back.RichEdit1.plainText());
        EXPECT_EQ(back.RichEdit1.unicodeText(), text);
        back.RichEdit1.setModified(false);
        back.requestClose();
        ui::pumpPending();
        frame->DocumentSlots[0]->RichEdit1.setModified(true);
        SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(frame->DocumentSlots[0]->hwnd()), 0);
    }
}

// Where the caret is: row and column in panel 2, following the caret.
TEST_F(TextFilesTest, StatusShowsTheCaretsRowAndColumn) {
    docs.write("a.txt", "abc\r\ndefgh\r\n");
    start({docs.file("a.txt")});
    const struct { long at; const char* shown; } cases[] = {
        {0, "Řádek 1, sloupec 1"}, {2, "Řádek 1, sloupec 3"}, {4, "Řádek 2, sloupec 1"}, {8, "Řádek 2, sloupec 5"},
    };
    for (const auto& c : cases) {
        doc().RichEdit1.select(c.at, c.at);
        ui::pumpPending();
        EXPECT_EQ(frame->StatusBar1.text(2), c.shown);
    }
    frame->runCommand(IDM_NOVY);
    EXPECT_EQ(frame->StatusBar1.text(3), "Formátovaný text");
}
