// app/filedialogs.h — the open and save dialogs of the main window and what they remember
#pragma once
#include <windows.h>

#include "document/editor.h"
#include "ui/prompts.h"

#include <optional>
#include <string>
#include <vector>

namespace app {

// The file dialog state the main window keeps for the whole run.
struct FileDialogState {
    std::string filter;
    int filterIndex = 1;
    std::string fileName;
};

// Runs the open dialog where the last file was; a choice is remembered in `state`.
std::optional<ui::FileChoice> runOpenDialog(HWND owner, FileDialogState& state);

// Runs the save dialog for `doc`; the choice, or nullopt on cancel. Choosing plain text asks
// (texts 9 and 10 of `strings`); Yes switches `doc` to plain text, also when the dialog is
// cancelled afterwards. Below the file type the dialog offers the encodings (`extra` texts),
// the document's own first; the list can be used while the document is plain text.
std::optional<document::SaveChoice> runSaveDialog(HWND owner, FileDialogState& state, document::Teditor1& doc,
                                                  const std::vector<std::string>& strings,
                                                  const std::vector<std::string>& extra);

} // namespace app
