// tests/win/files_test.cpp — files.dll's EditorZavrit through its real export
#include <windows.h>

#include "files/files.h"
#include "tests/win/support.h"

#include <map>

namespace {

using EditorZavritFn = decltype(&EditorZavrit);

// A document and a save dialog whose behaviour each test sets.
struct Fake {
    bool modified = true;
    bool writeOk = true;
    std::vector<std::string> written;
    std::optional<std::string> dialogPath;
    int dialogRuns = 0;
    int answer = IDYES;
    std::vector<std::string> questions;
    std::vector<std::string> captions;
    std::vector<unsigned> flags;

    static int isModified(void* s) { return static_cast<Fake*>(s)->modified; }
    static int writeTo(void* s, const char* p) {
        auto* f = static_cast<Fake*>(s);
        if (!f->writeOk) return 0;
        f->written.push_back(p);
        return 1;
    }
    static int execute(void* s) {
        auto* f = static_cast<Fake*>(s);
        ++f->dialogRuns;
        return f->dialogPath.has_value();
    }
    static const char* fileName(void* s) { return static_cast<Fake*>(s)->dialogPath->c_str(); }
    static int box(void* s, const char* text, const char* caption, unsigned fl) {
        auto* f = static_cast<Fake*>(s);
        f->questions.push_back(text);
        f->captions.push_back(caption);
        f->flags.push_back(fl);
        return f->answer;
    }
};

class EditorZavritTest : public ::testing::Test {
protected:
    HMODULE lib = LoadLibraryA((test::testFolder() + "files.dll").c_str());
    EditorZavritFn fn = reinterpret_cast<EditorZavritFn>(reinterpret_cast<void*>(GetProcAddress(lib, "EditorZavrit")));
    Fake fake;
    int window = 0; // stands for the document window
    CloseResult result{7, 7, nullptr};

    int call(const char* fileName, const char* leadIn = "Uložit změny v ", const char* title = "dopis.rtf") {
        const TextControl text{&fake, Fake::isModified, Fake::writeTo};
        const SaveDialog dialog{&fake, Fake::execute, Fake::fileName, Fake::box};
        return fn(&text, &window, &dialog, title, fileName, leadIn, "Uložit", &result);
    }
    void TearDown() override { FreeLibrary(lib); }
};

} // namespace

TEST_F(EditorZavritTest, UnmodifiedClosesWithoutAsking) {
    ASSERT_NE(fn, nullptr);
    fake.modified = false;
    EXPECT_EQ(call(""), ZAVRIT_OK);
    EXPECT_EQ(result.CloseAction, 2);
    EXPECT_EQ(result.MayClose, 1);
    EXPECT_EQ(result.Window, nullptr);
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_EQ(fake.dialogRuns, 0);
}

TEST_F(EditorZavritTest, QuestionTextFlagsAndAnswers) {
    EXPECT_EQ(call("C:\\d\\dopis.rtf"), ZAVRIT_OK); // Yes with a name: written there, no dialog
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0], "Uložit změny v dopis.rtf?");
    EXPECT_EQ(fake.captions[0], "Uložit");
    EXPECT_EQ(fake.flags[0], 0x23u);
    EXPECT_EQ(fake.written, std::vector<std::string>{"C:\\d\\dopis.rtf"});
    EXPECT_EQ(fake.dialogRuns, 0);
    EXPECT_EQ(result.CloseAction, 2);

    fake = Fake{};
    fake.answer = IDNO;
    EXPECT_EQ(call("C:\\d\\dopis.rtf"), ZAVRIT_OK);
    EXPECT_TRUE(fake.written.empty());
    EXPECT_EQ(result.MayClose, 1);

    fake = Fake{};
    fake.answer = IDCANCEL;
    EXPECT_EQ(call("C:\\d\\dopis.rtf"), ZAVRIT_OK);
    EXPECT_EQ(result.CloseAction, 0);
    EXPECT_EQ(result.MayClose, 0);
    EXPECT_EQ(result.Window, &window);

    fake = Fake{};
    EXPECT_EQ(call("", "", "Dokument 1"), ZAVRIT_OK);
    EXPECT_EQ(fake.questions[0], "Dokument 1?"); // an empty lead-in adds nothing
}

TEST_F(EditorZavritTest, UntitledYesRunsTheDialog) {
    fake.dialogPath = "C:\\d\\novy.rtf";
    EXPECT_EQ(call(""), ZAVRIT_OK);
    EXPECT_EQ(fake.dialogRuns, 1);
    EXPECT_EQ(fake.written, std::vector<std::string>{"C:\\d\\novy.rtf"});
    EXPECT_EQ(result.CloseAction, 2);

    fake = Fake{}; // cancelled dialog: nothing written, the window stays
    EXPECT_EQ(call(""), ZAVRIT_OK);
    EXPECT_TRUE(fake.written.empty());
    EXPECT_EQ(result.CloseAction, 0);
    EXPECT_EQ(result.MayClose, 0);
    EXPECT_EQ(result.Window, &window);
}

TEST_F(EditorZavritTest, FailuresLeaveTheRecord) {
    fake.writeOk = false;
    EXPECT_EQ(call("C:\\d\\dopis.rtf"), ZAVRIT_WRITE_FAILED);
    EXPECT_EQ(result.CloseAction, 7); // not filled: the caller's close is abandoned
    EXPECT_EQ(result.MayClose, 7);

    fake = Fake{};
    fake.answer = 0; // the box could not be shown
    result = CloseResult{0, 0, nullptr};
    EXPECT_EQ(call("C:\\d\\dopis.rtf"), ZAVRIT_OK);
    EXPECT_EQ(result.Window, &window);
    EXPECT_TRUE(fake.written.empty());

    EXPECT_EQ(fn(nullptr, &window, nullptr, "", "", "", "", &result), ZAVRIT_BAD_ARGUMENTS);
}
