// ui/prompts.h — every message box and common dialog goes through this seam
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace ui {

struct FileDialogArgs {
    HWND owner = nullptr;
    std::string filter;        // "Text|*.rtf|Text|*.txt" (vertical bars between the parts)
    std::string defaultExt;    // without the dot
    int filterIndex = 1;       // in: the index to preselect; the chosen one comes back
    std::string fileName;      // in: the name to preselect
    bool mustExist = false;
    // Called while the dialog is open whenever the user picks another file type. It gets the
    // new index and returns the index the dialog should keep (it may turn a choice back).
    std::function<int(int)> onTypeChange;
};

struct FileChoice {
    std::string path;
    int filterIndex = 1;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual int messageBox(HWND owner, const std::string& text, const std::string& caption,
                           UINT flags) = 0;
    virtual std::optional<FileChoice> openFile(const FileDialogArgs& args) = 0;
    virtual std::optional<FileChoice> saveFile(const FileDialogArgs& args) = 0;
};

// The installed prompts: the Win32 ones unless a PromptsOverride is alive.
Prompts& prompts();

class PromptsOverride {
public:
    explicit PromptsOverride(Prompts& p);
    ~PromptsOverride();
    PromptsOverride(const PromptsOverride&) = delete;
    PromptsOverride& operator=(const PromptsOverride&) = delete;

private:
    Prompts* previous_;
};

} // namespace ui
