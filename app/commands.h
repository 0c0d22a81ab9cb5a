// app/commands.h — the main window's command table
//
// Every command is one entry of a CommandDef list: its ID (app/resource.h), its handler, whether
// it needs an open document, and optionally what makes it enabled and checked. Menu items (by
// their rows in app/menus.cpp), tool buttons and accelerators with that ID run the entry's
// ui::Action; updateActions() recomputes every action's state from the program's state.
//
// To add a command: add one entry to the list of its menu (commands_file.cpp, commands_edit.cpp,
// commands_view.cpp), or give a new concern a list of its own in a new file and add it to
// the lists in CommandTable's constructor (commands.cpp):
//     extern const CommandList kFindCommands;          // here, below the others
//     const CommandDef kFindEntries[] = {
//         {IDM_HLEDAT, [](Thlavni1& w) { showFind(w); }, kNeedsDocument},
//     };
//     const CommandList kFindCommands{kFindEntries};  // in the new file
// Never a `switch` over command IDs.
#pragma once
#include <windows.h>

#include "ui/actions.h"
#include "ui/controls.h"

#include <memory>
#include <span>
#include <vector>

namespace app {

class Thlavni1;

constexpr bool kNeedsDocument = true;

struct CommandDef {
    UINT id;
    void (*run)(Thlavni1&);
    bool needsDocument = false; // does nothing (and is greyed) while no document is open
    // enabled besides needing a document; nullptr: always
    bool (*enabled)(const Thlavni1&) = nullptr;
    // the check mark or the pressed button; nullptr: never
    bool (*checked)(const Thlavni1&) = nullptr;
};

using CommandList = std::span<const CommandDef>;

extern const CommandList kFileCommands;
extern const CommandList kEditCommands;
extern const CommandList kViewCommands;
extern const CommandList kSearchCommands;
extern const CommandList kKeyCommands;
extern const CommandList kRecentCommands; // recent.cpp

// The commands of one main window, each with its action.
class CommandTable {
public:
    explicit CommandTable(Thlavni1& frame);
    CommandTable(const CommandTable&) = delete;
    CommandTable& operator=(const CommandTable&) = delete;

    // The action of command `id`; throws std::out_of_range for an unknown ID.
    ui::Action& action(UINT id);
    // Binds a tool button showing command `id` (one with no entry is left alone).
    void bindButton(ui::ToolBar& bar, UINT id);
    void bindMenuItem(ui::MenuItem& item, UINT id);
    // Runs command `id`; false when no entry has that ID.
    bool run(UINT id);
    // Sets every action's enabled and checked state from the program's state.
    void update(bool documentOpen);

private:
    struct Entry {
        const CommandDef* def;
        ui::Action action;
    };
    Entry* find(UINT id);
    Thlavni1& frame_;
    std::vector<std::unique_ptr<Entry>> entries_;
    std::vector<std::unique_ptr<ui::ActionClient>> buttons_;
};

} // namespace app
