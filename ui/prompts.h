// ui/prompts.h — every message box and common dialog goes through this seam
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/unique.h"

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
    // A list below the file type (the save dialog's encodings): its label and items, none when
    // `choices` is empty; `choice` is the item shown first. `choicesEnabled`, when given, says at
    // the start and after every change of type whether the list can be used.
    std::string choiceLabel;
    std::vector<std::string> choices;
    int choice = 0;
    std::function<bool()> choicesEnabled;
};

class PrintDevice;

struct PrintDialogArgs {
    HWND owner = nullptr;
};

struct FileChoice {
    std::string path;
    int filterIndex = 1;
    int choice = -1; // the item of the list below the file type; -1: no list, or not usable
};

// A font as the font dialog gives it.
struct FontChoice {
    std::string face = "Tahoma";
    int sizePt = 8;
    bool bold = false, italic = false, underline = false, strikeOut = false;
    COLORREF color = 0;
};

class Prompts : Pinned {
public:
    virtual ~Prompts() = default;
    virtual int messageBox(HWND owner, const std::string& text, const std::string& caption,
                           UINT flags) = 0;
    virtual std::optional<FileChoice> openFile(const FileDialogArgs& args) = 0;
    virtual std::optional<FileChoice> saveFile(const FileDialogArgs& args) = 0;
    // The print dialog: the printer the user chose and confirmed, nullptr when cancelled.
    // Throws AppError when there is no printer. The choice becomes the current printer.
    virtual std::unique_ptr<PrintDevice> printDialog(const PrintDialogArgs& args) = 0;
    // The current printer without a dialog: the one last chosen in the print dialog, else the
    // system's default printer. Throws AppError when there is none.
    virtual std::unique_ptr<PrintDevice> currentPrinter() = 0;
    // The font dialog, starting from `initial`; nullopt when cancelled.
    virtual std::optional<FontChoice> chooseFont(HWND owner, const FontChoice& initial) = 0;
    // The colour dialog, starting from `initial`; nullopt when cancelled.
    virtual std::optional<COLORREF> chooseColor(HWND owner, COLORREF initial) = 0;
};

// The installed prompts: the Win32 ones unless a PromptsOverride is alive.
Prompts& prompts();

class PromptsOverride : Pinned {
public:
    explicit PromptsOverride(Prompts& p);
    ~PromptsOverride();
    PromptsOverride(const PromptsOverride&) = delete;
    PromptsOverride& operator=(const PromptsOverride&) = delete;

private:
    Prompts* previous_;
};

} // namespace ui
