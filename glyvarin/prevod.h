// glyvarin/prevod.h — the converter object: the table, its data file and the converter texts
#pragma once
#include <windows.h>

#include "glyvarin/table.h"

#include <string>
#include <vector>

namespace glyvarin {

// Converter text indexes (see texty.h).
enum Text {
    kMissingFile, kMissingFileCaption, kHeaderSource, kHeaderReplacement, kAdd, kEdit, kDelete,
    kAddButton, kInvalidEntry, kInvalidEntryCaption, kNoEntries, kNoEntriesCaption,
    kStatusStart, kStatusEnd
};

class TPrevodZnaku {
public:
    ConversionTable table;
    HWND owner = nullptr;            // the main window, owner of the converter window
    std::string languageLibraryPath; // the path last handed over

    // Library start-up: reads the table from the data file. A missing or unreadable file leaves
    // the table empty and is reported at the first export call that can show it (reportPending).
    void load();
    // At the first export call (not at start-up: the data folder needs the shell, which must not
    // be called under the loader lock): the user's own copy of the table, when there is one,
    // takes the place of the one beside the program. Once per load of the library.
    void adoptUserTable();
    // Writes the table to the data file safely. When the program's folder refuses it (an install
    // for every user under Program Files, where users may not write), the table goes to the
    // user's own copy in the data folder instead, which is read and written from then on.
    // Throws ui::AppError with the system's message (the program folder's, when both fail).
    void save();
    // "characters.dia" in the folder of the running program file, formed anew on each call.
    static std::string dataFilePath();
    // The user's own copy: "characters.dia" in the folder "Prevodnik" of the data folder (or in
    // the folder tests gave).
    std::string userTableFolder() const;
    std::string userDataFilePath() const;
    std::string userFolder; // empty: the data folder's; tests give a folder of their own

    // Replaces the converter texts by those of the language library `path`. A library that
    // cannot be loaded, has no dejPrevodnik or gives fewer texts leaves the rest to the Czech ones.
    // The library is read when a text is first needed, not at the hand-over: most runs of the
    // program never show one, and reading a library costs its loading and a guarded call.
    void fetchTexts(const std::string& path);
    std::string text(Text i) const;

    // Shows the report of a data file that was missing or unreadable at start-up, once. For a
    // missing file it then asks the application to end (WM_QUIT for the GUI thread). True when
    // a report was shown.
    bool reportPending();

private:
    void readTexts() const; // the library handed over, when it has not been read yet

    mutable std::vector<std::string> texts_;
    mutable bool textsRead_ = false;
    enum class Pending { None, Missing, Unreadable } pending_ = Pending::None;
    std::string readError_;
    bool userTableLooked_ = false;
    bool fromUserCopy_ = false; // the table came from, and goes to, the user's own copy
};

// The one converter object of the process.
TPrevodZnaku& prevod();

} // namespace glyvarin
