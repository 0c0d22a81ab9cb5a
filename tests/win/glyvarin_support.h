// tests/win/glyvarin_support.h — what the converter library's tests share: the library loaded
// afresh over a chosen characters.dia, its message boxes scripted, a document window like the
// program's, and a script that drives modal windows from a timer
#pragma once
#include <windows.h>

#include <richedit.h>

#include "glyvarin/glyvarin.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace convtest {

// The folder of the test program (with its separator): characters.dia and the libraries.
std::string testFolder();
std::string dataFilePath();
std::optional<std::string> readDataFile();

struct Box {
    std::string text, caption;
    UINT flags;
    HWND owner;
};

// The folder that stands for the user's data folder in these tests, and the user's own copy of
// the table in it (nullopt: there is none).
std::string userFolder();
std::string userFilePath();
std::optional<std::string> readUserFile();

// glyvarin.dll loaded by its name for one test, after characters.dia was written with
// `dataFile` (nullopt: removed), so that its start-up reads exactly that, and the user's own
// copy with `userCopy` (nullopt: none). Its message boxes are recorded and answered with IDOK.
// The shipped table is put back at the end, and the user's copy removed.
class Glyvarin {
public:
    explicit Glyvarin(std::optional<std::string> dataFile, std::optional<std::string> userCopy = std::nullopt);
    ~Glyvarin();
    Glyvarin(const Glyvarin&) = delete;
    Glyvarin& operator=(const Glyvarin&) = delete;

    void (*PrevestZnaky)(HWND, HWND) = nullptr;
    void (*zobraz)() = nullptr;
    void (*predejKnihovnu)(const char*) = nullptr;
    void (*predejKomponentu)(HWND) = nullptr;
    void (*nastavDotazy)(GlyvarinMessageBox, void*) = nullptr;
    void (*nastavSlozkuDat)(const char*) = nullptr;

    const std::vector<Box>& boxes() const { return boxes_; }
    void clearBoxes() { boxes_.clear(); }

private:
    static int onBox(void* self, HWND owner, const char* text, const char* caption, unsigned flags);
    HMODULE module_ = nullptr;
    std::optional<std::string> shipped_;
    std::vector<Box> boxes_;
};

// Bytes of a table file from (source, replacement) pairs.
std::string tableFile(std::initializer_list<std::pair<unsigned char, unsigned char>> entries);

// A top-level window with a status bar and a rich-edit control set up as the program sets up
// its documents. Closing the window destroys it.
class Document {
public:
    Document();
    ~Document();
    HWND frame() const { return frame_; }
    HWND status() const { return status_; }
    HWND edit() const { return edit_; }
    bool alive() const { return IsWindow(frame_) != FALSE; }

    void loadRtf(const std::string& rtf);
    void setText(const std::string& ansi);
    std::u16string text() const;
    std::string statusText() const;
    CHARRANGE selection() const;
    void select(long from, long to);
    // The full character format of the character at `pos`.
    CHARFORMAT2A formatAt(long pos);
    void setFormat(long from, long to, const CHARFORMAT2A& cf);

private:
    HWND frame_ = nullptr, status_ = nullptr, edit_ = nullptr;
};

// Whether two characters' formats agree in every field the control reports for a character.
::testing::AssertionResult sameFormat(const CHARFORMAT2A& a, const CHARFORMAT2A& b);

// Steps that run from a timer while `body` is inside a modal loop (the converter window and its
// entry dialog). A step returns true when it is done; the next one runs at the next tick. When
// the steps do not finish in time, the test fails and the windows are closed, so nothing hangs.
class Script {
public:
    using Step = std::function<bool()>;
    Script& then(Step s) {
        steps_.push_back(std::move(s));
        return *this;
    }
    void run(const std::function<void()>& body);

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    void giveUp();
    std::deque<Step> steps_;
    int ticks_ = 0;
    bool gaveUp_ = false;
    static inline Script* current_ = nullptr;
};

// The top-level window of this thread with the class `cls`, or nullptr.
HWND findWindow(const char* cls);

} // namespace convtest
