// tests/win/document_test.cpp — a document window: saving, its modes, lines, activation
#include "app/resource.h"
#include "tests/win/support.h"
#include "ui/window.h"

using namespace test;

TEST_F(MainWindowTest, SaveOfAnUnchangedDocumentDoesNothing) {
    start();
    frame->runCommand(IDM_ULOZIT); // untitled and unchanged: no dialog
    EXPECT_TRUE(prompts.dialogs().empty());
    EXPECT_FALSE(frame->action(IDM_ULOZIT).enabled());
    EXPECT_EQ(frame->StatusBar1.text(0), "Dokument byl uložen");
}

TEST_F(MainWindowTest, SaveWritesAKnownFileWithoutADialogAndKeepsCzechBytes) {
    const std::string czech = "Žluťoučký kůň\r\nďábelské ódy ŘŠČ";
    docs.write("a.txt", czech);
    prompts.answerFile({}); // unused: a named document needs no dialog
    start({docs.file("a.txt")});
    auto* doc = frame->DocumentSlots[0];
    doc->BackupFiles.push_back(data.file("zaloha.bcp"));
    data.write("zaloha.bcp", "x");
    SendMessageA(doc->RichEdit1.hwnd(), EM_SETSEL, 0, 0);
    doc->RichEdit1.replaceSelection("Á");
    EXPECT_TRUE(doc->RichEdit1.modified());
    // Wine: the text is loaded in rich-text mode (filter 1), so the save writes RTF
    doc->RichEdit1.setPlainText(true);
    frame->runCommand(IDM_ULOZIT);
    EXPECT_EQ(docs.read("a.txt"), "Á" + czech);
    EXPECT_FALSE(doc->RichEdit1.modified());
    EXPECT_TRUE(data.exists("zaloha.bcp")); // a save to the known name keeps the copies
    EXPECT_EQ(frame->StatusBar1.text(1), "a.txt");
    // consume the unused scripted answer
    EXPECT_EQ(prompts.saveFile({}), std::nullopt);
}

TEST_F(MainWindowTest, SaveAsKeepsTheModifiedFlagAndDropsCopies) {
    start();
    auto* doc = frame->DocumentSlots[0];
    doc->RichEdit1.replaceSelection("text");
    data.write("c.bcp", "x");
    doc->BackupFiles.push_back(data.file("c.bcp"));
    prompts.answerFile({docs.file("novy.rtf"), 1, {}});
    frame->runCommand(IDM_ULOZITJAKO);
    EXPECT_EQ(doc->caption(), "novy.rtf");
    EXPECT_EQ(doc->FileName, docs.file("novy.rtf"));
    EXPECT_TRUE(doc->RichEdit1.modified());
    EXPECT_FALSE(data.exists("c.bcp"));
    EXPECT_EQ(docs.read("novy.rtf").rfind("{\\rtf", 0), 0u);
}

TEST_F(MainWindowTest, PlainTextChoiceSwitchesTheDocumentBeingSaved) {
    start();
    frame->runCommand(IDM_NOVY);
    auto* first = frame->DocumentSlots[0];
    auto* active = frame->DocumentSlots[1];
    ASSERT_EQ(frame->ActiveSlot, 1);
    first->RichEdit1.replaceSelection("prvni");
    active->RichEdit1.replaceSelection("druhy");
    // closing the non-active first document: Yes, then plain text in its save dialog, Yes
    prompts.answerBox(IDYES);
    prompts.answerBox(IDYES);
    prompts.answerFile({docs.file("prvni.txt"), 2, {2}});
    EXPECT_EQ(first->requestClose(), document::CloseOutcome::Closed);
    ui::pumpPending();
    EXPECT_EQ(docs.read("prvni.txt"), "prvni");   // written as plain text
    EXPECT_FALSE(active->RichEdit1.plainText());  // the active document keeps its mode
    ASSERT_EQ(prompts.boxes().size(), 2u);
    EXPECT_EQ(prompts.boxes()[1].caption, "Prostý text");
}

TEST_F(MainWindowTest, DecliningPlainTextTurnsTheDialogBack) {
    start();
    auto* doc = frame->DocumentSlots[0];
    doc->RichEdit1.replaceSelection("x");
    prompts.answerBox(IDNO);
    prompts.answerFile({docs.file("x.rtf"), 2, {2}});
    frame->runCommand(IDM_ULOZITJAKO);
    EXPECT_FALSE(doc->RichEdit1.plainText());
    EXPECT_EQ(frame->SaveDialog1.filterIndex, 1);
    EXPECT_EQ(docs.read("x.rtf").rfind("{\\rtf", 0), 0u);
}

TEST_F(MainWindowTest, FailedSaveReportsAndKeepsTheOldFile) {
    docs.write("ro.txt", "stary obsah");
    start();
    auto* doc = frame->DocumentSlots[0];
    doc->RichEdit1.replaceSelection("novy");
    SetFileAttributesA(docs.file("ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    prompts.answerFile({docs.file("ro.txt"), 1, {}});
    prompts.answerBox(IDOK);
    SendMessageA(frame->hwnd(), WM_COMMAND, IDM_ULOZITJAKO, 0); // through the real boundary
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));
    EXPECT_EQ(docs.read("ro.txt"), "stary obsah");
    EXPECT_TRUE(doc->FileName.empty());
    EXPECT_EQ(doc->caption(), "Dokument 1");
    EXPECT_TRUE(doc->RichEdit1.modified());
    EXPECT_EQ(docs.names(), std::vector<std::string>{"ro.txt"}); // no temporary file left
    SetFileAttributesA(docs.file("ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(MainWindowTest, CloseWriteFailureKeepsTheWindowOpen) {
    docs.write("ro.txt", "stary");
    start({docs.file("ro.txt")});
    auto* doc = frame->DocumentSlots[0];
    doc->RichEdit1.replaceSelection("x");
    SetFileAttributesA(docs.file("ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    prompts.answerBox(IDYES);
    prompts.answerBox(IDOK); // the error report
    closeMainWindow();
    EXPECT_FALSE(terminated);
    EXPECT_EQ(frame->DocumentSlots[0], doc);
    EXPECT_EQ(docs.read("ro.txt"), "stary");
    SetFileAttributesA(docs.file("ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(MainWindowTest, LineCountAndActivation) {
    start();
    auto* doc = frame->DocumentSlots[0];
    EXPECT_EQ(doc->LineCount(), 0);
    doc->RichEdit1.setText("abc");
    EXPECT_EQ(doc->LineCount(), 1);
    doc->RichEdit1.setText("abc\r\ndef\r\n");
    EXPECT_EQ(doc->LineCount(), 2);
    doc->RichEdit1.replaceSelection("x"); // an edit sets the modified flag
    frame->runCommand(IDM_NOVY);
    EXPECT_EQ(frame->ActiveSlot, 1);
    SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(doc->hwnd()), 0);
    EXPECT_EQ(frame->ActiveSlot, 0);
    EXPECT_TRUE(frame->action(IDM_ULOZIT).enabled()); // the text was changed
}

TEST_F(MainWindowTest, PlainTextTakesTheDocumentFont) {
    docs.write("a.txt", "abc def");
    start({docs.file("a.txt")});
    auto* doc = frame->DocumentSlots[0];
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    doc->RichEdit1.select(1, 2);
    SendMessageA(doc->RichEdit1.hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    EXPECT_STREQ(cf.szFaceName, "Times New Roman");
    EXPECT_EQ(cf.yHeight, 240);
    EXPECT_FALSE(cf.dwEffects & CFE_BOLD);
}
