// tests/win/recovery_test.cpp — copies left by runs that are gone: who owns a copy, copies
// beyond the free windows, what a kill during a write leaves, the file a copy belongs to
#include "document/backup.h"
#include "lang/extra.h"
#include "tests/win/support.h"
#include "ui/files.h"
#include "ui/text.h"

#include <algorithm>

using namespace test;

namespace {

constexpr char kGone[] = "0123456789abcdef"; // an owner with no lock file: gone

const std::string& czech(language::ExtraText t) { return language::czechExtraTexts()[t]; }

// A copy as a run writes it: its record first, then its bytes under its own name, or only
// under the temporary name when `renamed` is false (a kill before the rename). `torn` cuts the
// bytes short (a kill during the write).
void leaveCopy(const TempDir& dir, const std::string& name, const std::string& bytes, document::CopyRecord r,
               bool renamed = true, bool torn = false) {
    r.size = bytes.size();
    r.hash = document::contentHash(bytes);
    dir.write(document::recordNameOf(name), document::recordText(r));
    const std::string written = torn ? bytes.substr(0, bytes.size() / 2) : bytes;
    dir.write(renamed ? name : document::temporaryNameOf(name), written);
}

std::string rtf(const std::string& text) { return "{\\rtf1\\ansi\\ansicpg1250 " + text + "\\par}"; }

std::vector<std::string> texts(const app::Thlavni1& frame) {
    std::vector<std::string> out;
    for (auto* d : frame.DocumentSlots)
        if (d) out.push_back(d->RichEdit1.text());
    std::sort(out.begin(), out.end());
    return out;
}

document::Teditor1* withText(const app::Thlavni1& frame, const std::string& text) {
    for (auto* d : frame.DocumentSlots)
        if (d && d->RichEdit1.text() == text) return d;
    return nullptr;
}

} // namespace

TEST_F(MainWindowTest, CopiesBeyondTheFreeWindowsAreKeptUnreadAndSaidSo) {
    docs.write("a.txt", "soubor");
    const std::vector<std::string> arguments(199, docs.file("a.txt")); // two windows stay free
    data.write("aaaaaaaaaaa.bcp", rtf("jedna"));
    data.write("bbbbbbbbbbb.bcp", rtf("dva"));
    data.write("ccccccccccc.bcp", rtf("tri"));
    prompts.answerBox(IDYES);
    prompts.answerBox(IDOK); // the warning about the copy left unopened
    start(arguments);
    ASSERT_EQ(prompts.boxes().size(), 2u);
    EXPECT_EQ(prompts.boxes()[1].text, czech(language::xRecoveryKept) + "1");
    EXPECT_EQ(prompts.boxes()[1].flags, UINT(MB_ICONWARNING));
    EXPECT_EQ(openCount(), 201);
    const auto left = document::findLeftDocuments(data.path(), frame->backupOwner());
    ASSERT_EQ(left.size(), 1u) << "the unopened copy is still offered to another start";
    const std::string unread = ui::baseName(left[0].copies[0]);

    // the normal end deletes the two reopened copies and keeps the one never read
    prompts.answerBox(IDNO);
    prompts.answerBox(IDNO);
    closeMainWindow();
    EXPECT_TRUE(terminated);
    EXPECT_EQ(data.names(), (std::vector<std::string>{"Notavo.ini", unread}));
}

TEST_F(MainWindowTest, AWholeCopyUnderItsTemporaryNameIsOfferedAndTornWritesAreCleared) {
    const document::CopyRecord gone{kGone, 1, 1, 0, 0, ""};
    leaveCopy(data, "celaaaaaaaa.bcp", rtf("cela"), gone, false);              // killed at the rename
    leaveCopy(data, "useknutaaaa.bcp", rtf("useknuta kopie"), {kGone, 2, 1, 0, 0, ""}, false, true);
    data.write("roztrzenyzz.bci", document::recordText(gone).substr(0, 30)); // killed writing the record
    data.write("roztrzenyzz.tmp", "x");
    leaveCopy(data, "bezkopieeee.bcp", rtf("nic"), {kGone, 3, 1, 0, 0, ""});
    ui::deleteFile(data.file("bezkopieeee.bcp")); // a record whose copy went
    data.write("nv3F2A.tmp", "{\\rtf1 useknut"); // an older version's torn write
    prompts.answerBox(IDYES);
    start();
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_NE(prompts.boxes()[0].text.find("(1)"), std::string::npos) << prompts.boxes()[0].text;
    EXPECT_EQ(texts(*frame), std::vector<std::string>{"cela"});
    // the whole one is a copy now, owned by this run; nothing else of the kills is left
    EXPECT_EQ(withoutLocks(data.names()), (std::vector<std::string>{"celaaaaaaaa.bci", "celaaaaaaaa.bcp"}));
    const auto record = document::parseRecord(data.read("celaaaaaaaa.bci"));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->owner, frame->backupOwner());
}

TEST_F(MainWindowTest, TheQuestionNamesTheFilesAndTheSaveDialogStartsAtTheName) {
    const std::string file = docs.file("dopis.rtf");
    // one document with two copies (a kill came before the older one was deleted), one copy of
    // an older version, which names no file
    leaveCopy(data, "starsiiiiii.bcp", rtf("stara"), {kGone, 7, 1, 0, 0, file});
    leaveCopy(data, "novejsiiiii.bcp", rtf("nova"), {kGone, 7, 2, 0, 0, file});
    data.write("jinaaaaaaaa.bcp", rtf("jina"));
    prompts.answerBox(IDYES);
    start();
    ASSERT_EQ(prompts.boxes().size(), 1u);
    const std::string& question = prompts.boxes()[0].text;
    const std::string head = frame->LanguageStrings[11] + "2" + frame->LanguageStrings[12];
    EXPECT_EQ(question.substr(0, head.size()), head);
    const std::string names = question.substr(head.size());
    EXPECT_EQ(names.substr(0, czech(language::xRecoveryFiles).size()), czech(language::xRecoveryFiles));
    EXPECT_NE(names.find("\n" + file), std::string::npos) << names;
    EXPECT_NE(names.find("\n" + czech(language::xRecoveryUntitled)), std::string::npos) << names;

    // the newest copy of each document comes back, once
    EXPECT_EQ(texts(*frame), (std::vector<std::string>{"jina", "nova"}));
    auto* doc = withText(*frame, "nova");
    ASSERT_TRUE(doc);
    EXPECT_TRUE(doc->FileName.empty()); // still untitled: the file on disk is not this text
    EXPECT_EQ(doc->caption().rfind("Dokument ", 0), 0u);
    EXPECT_EQ(doc->RecoveredName, file);
    EXPECT_EQ(doc->BackupFiles, (std::vector<std::string>{data.file("starsiiiiii.bcp"), data.file("novejsiiiii.bcp")}));

    // its next copy keeps the name; the older copies go once it is complete
    doc->RichEdit1.replaceSelection("ještě ");
    doc->Timer1Timer();
    ASSERT_EQ(doc->BackupFiles.size(), 1u);
    const auto record = document::parseRecord(ui::readFile(ui::folderOf(doc->BackupFiles[0]) +
                                                           document::recordNameOf(ui::baseName(doc->BackupFiles[0]))));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->file, file);
    EXPECT_FALSE(data.exists("starsiiiiii.bcp"));
    EXPECT_FALSE(data.exists("novejsiiiii.bci"));

    // the save dialog starts at the file's name, in the copy's own format
    frame->ActiveSlot = static_cast<std::uint8_t>(doc->slot);
    prompts.answerFile({std::nullopt});
    doc->Save();
    ASSERT_EQ(prompts.dialogs().size(), 1u);
    EXPECT_EQ(prompts.dialogs()[0].args.fileName, file);
    EXPECT_EQ(prompts.dialogs()[0].args.filterIndex, 1);
}

TEST_F(MainWindowTest, CopiesOfALiveOwnerAreNeitherOfferedNorCleared) {
    auto other = std::make_unique<document::BackupOwner>(data.path()); // another instance that runs
    const std::string live = document::writeBackupCopy(data.path(), "zivaaaaaaaa.bcp", rtf("ziva"),
                                                       {other->id(), 1, 1, 0, 0, docs.file("ziva.rtf")});
    leaveCopy(data, "pisesezzzzz.bcp", rtf("piše se"), {other->id(), 2, 1, 0, 0, ""}, false, true); // mid-write
    data.write("nvAB12.tmp", "jeho nastaveni"); // perhaps its settings file being written
    data.write("mrtvaaaaaaa.bcp", rtf("mrtva"));
    prompts.answerBox(IDYES);
    start();
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_NE(prompts.boxes()[0].text.find("(1)"), std::string::npos) << prompts.boxes()[0].text;
    EXPECT_EQ(texts(*frame), std::vector<std::string>{"mrtva"});

    // the normal end takes this run's copy and lock, and leaves every file of the other run
    prompts.answerBox(IDNO);
    closeMainWindow();
    EXPECT_TRUE(terminated);
    EXPECT_EQ(withoutLocks(data.names()),
              (std::vector<std::string>{"Notavo.ini", "nvAB12.tmp", "pisesezzzzz.bci", "pisesezzzzz.tmp",
                                        "zivaaaaaaaa.bci", "zivaaaaaaaa.bcp"}));
    EXPECT_TRUE(data.exists(other->id() + ".own"));

    // once the other run is gone (its lock is closed), its whole copy is offered
    other.reset();
    const auto left = document::findLeftDocuments(data.path(), "fedcba9876543210");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].copies, std::vector<std::string>{live});
    EXPECT_EQ(left[0].file, docs.file("ziva.rtf"));
    EXPECT_FALSE(data.exists("pisesezzzzz.tmp")); // its torn write is cleared then
}
