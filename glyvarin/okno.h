// glyvarin/okno.h — the converter window: the table's entries in a grid, changed through a
// popup menu and a small entry dialog, taken over and saved with OK
#pragma once
#include <windows.h>

#include <commctrl.h>

#include "glyvarin/prevod.h"
#include "ui/unique.h"
#include "ui/window.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace glyvarin {

// Window classes and control IDs (tests find the windows and press their buttons by these).
inline constexpr char kConverterClass[] = "GlyvarinPrevodnik";
inline constexpr char kEntryClass[] = "GlyvarinVstup";
enum : UINT {
    kIdGrid = 10, kIdOk = 11,                 // converter window
    kIdSource = 20, kIdReplacement = 21, kIdConfirm = 22, // entry dialog
    kCmdAdd = 101, kCmdDelete = 102, kCmdEdit = 103,      // popup items (tags 1, 2 and 3)
};

// The entry dialog of an add or edit command. It has no cancel: however it is closed, the two
// fields are taken.
class TVstup : public ui::Window {
public:
    TVstup(HWND owner, const std::string& buttonCaption, const std::string& source,
           const std::string& replacement);
    // Shows the dialog modally over its owner; the two fields' texts when it has closed.
    std::pair<std::string, std::string> run();

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    HWND owner_;
    HWND source_ = nullptr, replacement_ = nullptr, button_ = nullptr;
    bool done_ = false;
};

class TPrevodnik : public ui::Window {
public:
    explicit TPrevodnik(TPrevodZnaku& prevod);
    ~TPrevodnik() override;
    // Shows the window modally over the main window; returns when OK or the close box ended it.
    void run();

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    struct Row {
        unsigned char source, replacement;
    };
    void fillGrid();
    // The grid holds no texts of its own: it asks for each visible cell (LVS_OWNERDATA), so a
    // table of half a million entries opens as fast as one of ten.
    void showRows();
    void cellInfo(NMLVDISPINFOA& info) const;
    int currentRow() const;
    void selectRow(int index);
    void layout();
    void showPopup(LPARAM where);
    void pmClick(UINT id);
    void addEntry();
    void editEntry();
    void deleteEntry();
    void okClick();
    // Runs the entry dialog; the fields when both hold exactly one character, else the invalid
    // entry message has been shown.
    std::optional<Row> askEntry(const std::string& buttonCaption, const std::string& source,
                                const std::string& replacement);

    TPrevodZnaku& prevod_;
    HWND grid_ = nullptr;
    HWND ok_ = nullptr;
    ui::UniqueMenu popup_;
    std::vector<Row> rows_; // the grid's entry rows (the header row is the list's own)
    mutable std::string cell_; // the text of the cell last asked for
    bool done_ = false;
};

// Registered window classes belong to the program's module; they go when the library goes.
void unregisterWindowClasses();

} // namespace glyvarin
