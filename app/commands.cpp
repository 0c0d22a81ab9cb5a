// app/commands.cpp — the command table: dispatch and state of the main window's commands
#include "app/commands.h"

#include "app/hlavni.h"

#include <stdexcept>

namespace app {
CommandTable::CommandTable(Thlavni1& frame) : frame_(frame) {
    // every list of entries; a new list goes here
    const CommandList lists[] = {kFileCommands, kEditCommands, kViewCommands, kSearchCommands, kKeyCommands, kRecentCommands};
    for (const CommandList& list : lists)
        for (const CommandDef& def : list) {
            auto e = std::make_unique<Entry>(&def); // the action is made in place: it never moves
            e->action.onExecute = [this, run = def.run] { run(frame_); };
            entries_.push_back(std::move(e));
        }
}

CommandTable::Entry* CommandTable::find(UINT id) {
    for (auto& e : entries_)
        if (e->def->id == id) return e.get();
    return nullptr;
}

ui::Action& CommandTable::action(UINT id) {
    if (Entry* e = find(id)) return e->action;
    throw std::out_of_range("no command " + std::to_string(id));
}

void CommandTable::bindButton(ui::ToolBar& bar, UINT id) {
    Entry* e = find(id);
    if (!e) return;
    buttons_.push_back(std::make_unique<ui::ToolButton>(bar, id));
    e->action.bind(*buttons_.back());
}

void CommandTable::bindMenuItem(ui::MenuItem& item, UINT id) {
    if (Entry* e = find(id)) e->action.bind(item);
}

bool CommandTable::run(UINT id) {
    Entry* e = find(id);
    if (!e) return false;
    // a document command that arrives while no document is open (its controls are greyed
    // then, but a message can still come) does nothing
    if (e->def->needsDocument && !frame_.activeDocument()) return true;
    e->action.execute();
    return true;
}

void CommandTable::update(bool documentOpen) {
    for (auto& e : entries_) {
        const CommandDef& d = *e->def;
        e->action.setEnabled((documentOpen || !d.needsDocument) && (!d.enabled || d.enabled(frame_)));
        e->action.setChecked(d.checked && d.checked(frame_));
    }
}

} // namespace app
