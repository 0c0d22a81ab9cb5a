// tests/win/support.h — what the in-process tests share: scripted prompts, temporary folders,
// a main window in a folder of its own
#pragma once
#include <windows.h>

#include "app/hlavni.h"
#include "ui/printer.h"
#include "ui/prompts.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace test {

// Records every message box and file dialog and answers from a script. A prompt with no
// scripted answer fails the test and is answered with Cancel (or no file).
class ScriptedPrompts : public ui::Prompts {
public:
    struct Box {
        std::string text, caption;
        UINT flags;
        HWND owner;
    };
    struct Dialog {
        bool save;
        ui::FileDialogArgs args;
    };
    struct FileAnswer {
        std::optional<std::string> path; // nullopt: the user cancels
        int filterIndex = 1;
        std::vector<int> typeChanges;    // file types the user picks before answering
        int choice = -1;                 // the item picked in the list below the type (-1: none)
    };

    void answerBox(int answer) { boxAnswers_.push_back(answer); }
    void answerFile(FileAnswer a) { fileAnswers_.push_back(std::move(a)); }
    // nullopt: the user cancels the dialog
    void answerFont(std::optional<ui::FontChoice> a) { fontAnswers_.push_back(std::move(a)); }
    void answerColor(std::optional<COLORREF> a) { colorAnswers_.push_back(a); }
    // The printer the print dialog (or the current printer) gives; nullptr: the user cancels
    void answerPrinter(std::unique_ptr<ui::PrintDevice> p) { printerAnswers_.push_back(std::move(p)); }
    // one entry per printer asked for: true with the print dialog, false without it
    const std::vector<bool>& printerRequests() const { return printerRequests_; }
    bool allAnswersUsed() const {
        return boxAnswers_.empty() && fileAnswers_.empty() && fontAnswers_.empty() && colorAnswers_.empty() &&
               printerAnswers_.empty();
    }
    const std::vector<ui::FontChoice>& fontsShown() const { return fontsShown_; }
    const std::vector<COLORREF>& colorsShown() const { return colorsShown_; }
    const std::vector<Box>& boxes() const { return boxes_; }
    const std::vector<Dialog>& dialogs() const { return dialogs_; }
    void clear() { boxes_.clear(); dialogs_.clear(); }

    int messageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
    std::optional<ui::FileChoice> openFile(const ui::FileDialogArgs& args) override { return file(false, args); }
    std::optional<ui::FileChoice> saveFile(const ui::FileDialogArgs& args) override { return file(true, args); }
    std::optional<ui::FontChoice> chooseFont(HWND owner, const ui::FontChoice& initial) override;
    std::optional<COLORREF> chooseColor(HWND owner, COLORREF initial) override;
    std::unique_ptr<ui::PrintDevice> printDialog(const ui::PrintDialogArgs& args) override;
    std::unique_ptr<ui::PrintDevice> currentPrinter() override;

private:
    std::optional<ui::FileChoice> file(bool save, const ui::FileDialogArgs& args);
    std::deque<int> boxAnswers_;
    std::deque<FileAnswer> fileAnswers_;
    std::deque<std::optional<ui::FontChoice>> fontAnswers_;
    std::deque<std::optional<COLORREF>> colorAnswers_;
    std::deque<std::unique_ptr<ui::PrintDevice>> printerAnswers_;
    std::vector<bool> printerRequests_;
    std::vector<ui::FontChoice> fontsShown_;
    std::vector<COLORREF> colorsShown_;
    std::vector<Box> boxes_;
    std::vector<Dialog> dialogs_;
};

// A fresh folder under %TEMP%, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; } // with the trailing separator
    std::string file(const std::string& name) const { return path_ + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    std::vector<std::string> names() const;

private:
    std::string path_;
};

// Runs `during` once from inside the first message loop that `start` enters (a modal window's).
// A watchdog closes the start-up, about and settings windows if `during` left one open, so a
// fault fails the test instead of hanging it.
void duringModal(const std::function<void()>& start, const std::function<void()>& during);

// The object of the visible window of `className`, or nullptr.
template <class T> T* visibleWindow(const char* className) {
    HWND h = FindWindowA(className, nullptr);
    if (!h || !IsWindowVisible(h)) return nullptr;
    return dynamic_cast<T*>(ui::Window::fromHandle(h));
}

// `names` without the lock files of running instances ("*.own"): what a data folder holds
// besides this run's claim on its copies.
std::vector<std::string> withoutLocks(std::vector<std::string> names);

// Releases what is still loaded of the library at `path`: a damaged language library stays
// loaded, and its file could not be removed with its folder.
void unloadLibrary(const std::string& path);

// The folder of the test program, where the libraries are copied (with its separator).
std::string testFolder();

// A main window with its own data folder, created and shown as the program does it.
class MainWindowTest : public ::testing::Test {
protected:
    TempDir data;
    std::string dataFolder; // the main window's data folder; data.path() when left empty
    std::string programFolder; // where the program file and its libraries lie; testFolder() when empty
    TempDir docs;
    ScriptedPrompts prompts;
    ui::PromptsOverride use{prompts};
    std::unique_ptr<app::Thlavni1> frame;
    bool terminated = false;

    // Creates the window; FormShow runs with `arguments` unless `show` is false.
    void start(const std::vector<std::string>& arguments = {}, bool show = true);
    void TearDown() override;
    int openCount() const;
    // Closes the main window as its close button does.
    void closeMainWindow();
};

} // namespace test
