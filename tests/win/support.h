// tests/win/support.h — what the in-process tests share: scripted prompts, temporary folders,
// a main window in a folder of its own
#pragma once
#include <windows.h>

#include "app/hlavni.h"
#include "ui/prompts.h"

#include <gtest/gtest.h>

#include <deque>
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
    };

    void answerBox(int answer) { boxAnswers_.push_back(answer); }
    void answerFile(FileAnswer a) { fileAnswers_.push_back(std::move(a)); }
    bool allAnswersUsed() const { return boxAnswers_.empty() && fileAnswers_.empty(); }
    const std::vector<Box>& boxes() const { return boxes_; }
    const std::vector<Dialog>& dialogs() const { return dialogs_; }
    void clear() { boxes_.clear(); dialogs_.clear(); }

    int messageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
    std::optional<ui::FileChoice> openFile(const ui::FileDialogArgs& args) override { return file(false, args); }
    std::optional<ui::FileChoice> saveFile(const ui::FileDialogArgs& args) override { return file(true, args); }

private:
    std::optional<ui::FileChoice> file(bool save, const ui::FileDialogArgs& args);
    std::deque<int> boxAnswers_;
    std::deque<FileAnswer> fileAnswers_;
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

// The folder of the test program, where the libraries are copied (with its separator).
std::string testFolder();

// A main window with its own data folder, created and shown as the program does it.
class MainWindowTest : public ::testing::Test {
protected:
    TempDir data;
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
