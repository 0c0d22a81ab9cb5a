// tests/win/glyvarin_window_test.cpp — the converter window: the grid, the popup commands through
// the entry dialog, OK and the close box, driven from a timer while the window is modal
#include "tests/win/glyvarin_support.h"

#include "glyvarin/okno.h"
#include "glyvarin/texty.h"
#include "lang/extra.h"

#include <commctrl.h>

using namespace convtest;
using namespace glyvarin;

namespace {

std::string czech(std::size_t i) { return std::string(kCeskeTexty.at(i)); }

HWND converter() { return findWindow(kConverterClass); }
HWND grid() { return GetDlgItem(converter(), kIdGrid); }

std::vector<std::pair<std::string, std::string>> gridRows() {
    std::vector<std::pair<std::string, std::string>> rows;
    const int n = static_cast<int>(SendMessageA(grid(), LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        char a[16] = {}, b[16] = {};
        LVITEMA it{};
        it.iSubItem = 0;
        it.pszText = a;
        it.cchTextMax = sizeof a;
        SendMessageA(grid(), LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&it));
        it.iSubItem = 1;
        it.pszText = b;
        it.cchTextMax = sizeof b;
        SendMessageA(grid(), LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&it));
        rows.emplace_back(a, b);
    }
    return rows;
}

std::string header(int column) {
    char text[64] = {};
    LVCOLUMNA col{};
    col.mask = LVCF_TEXT;
    col.pszText = text;
    col.cchTextMax = sizeof text;
    SendMessageA(grid(), LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
    return text;
}

std::string fieldText(HWND dialog, UINT id) {
    char text[64] = {};
    GetWindowTextA(GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

// --- steps

Script::Step whenConverter(std::function<void()> act) {
    return [act] {
        // the converter window alone: a step never races an entry dialog still open
        if (!converter() || !IsWindowVisible(converter()) || findWindow(kEntryClass)) return false;
        act();
        return true;
    };
}

Script::Step command(UINT id) {
    return whenConverter([id] { PostMessageA(converter(), WM_COMMAND, id, 0); });
}

Script::Step selectRow(int row) {
    return whenConverter([row] {
        LVITEMA it{};
        it.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        it.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(grid(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&it));
    });
}

// Waits for the entry dialog, looks at it, fills the fields (nullopt: leaves a field as it is)
// and presses its button.
Script::Step entry(std::optional<std::string> source, std::optional<std::string> replacement,
                   std::function<void(HWND)> look = {}) {
    return [=] {
        HWND d = findWindow(kEntryClass);
        if (!d || !IsWindowVisible(d)) return false;
        if (look) look(d);
        if (source) SetDlgItemTextA(d, kIdSource, source->c_str());
        if (replacement) SetDlgItemTextA(d, kIdReplacement, replacement->c_str());
        PostMessageA(d, WM_COMMAND, kIdConfirm, 0);
        return true;
    };
}

Script::Step look(std::function<void()> f) {
    return whenConverter(std::move(f));
}

// The library with a table, the main window stand-in as owner and the Czech texts.
struct Window : ::testing::Test {
    std::optional<Glyvarin> lib;
    Document owner;
    void open(const std::string& table, std::optional<std::string> userCopy = std::nullopt) {
        lib.emplace(table, userCopy);
        lib->predejKomponentu(owner.frame());
        lib->predejKnihovnu((testFolder() + "lang.cs.dll").c_str());
    }
    void show(Script& s) { s.run([&] { lib->zobraz(); }); }
    std::string convert(const std::string& text) {
        owner.setText(text);
        lib->PrevestZnaky(owner.status(), owner.edit());
        std::string out;
        for (char16_t c : owner.text()) out.push_back(static_cast<char>(c));
        return out;
    }
};

} // namespace

TEST_F(Window, ShowsTheTableUnderItsHeaderAndDisablesItsOwner) {
    open(tableFile({{'1', 'I'}, {'0', 'O'}, {'a', 'b'}}));
    bool ownerEnabled = true;
    std::vector<std::pair<std::string, std::string>> rows;
    std::string h0, h1;
    Script s;
    s.then(look([&] {
         rows = gridRows();
         h0 = header(0);
         h1 = header(1);
         ownerEnabled = IsWindowEnabled(owner.frame()) != FALSE;
         EXPECT_EQ(GetWindow(converter(), GW_OWNER), owner.frame());
     }))
        .then(whenConverter([] { PostMessageA(converter(), WM_CLOSE, 0, 0); }));
    show(s);
    EXPECT_EQ(rows, (std::vector<std::pair<std::string, std::string>>{{"1", "I"}, {"0", "O"}, {"a", "b"}}));
    EXPECT_EQ(h0, czech(2));
    EXPECT_EQ(h1, czech(3));
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner.frame()));
    EXPECT_EQ(converter(), nullptr); // destroyed when it closed
}

TEST_F(Window, AddAppendsTheEntryAndOkSavesIt) {
    open(tableFile({{'a', 'b'}}));
    std::string prompt1, prompt2, afterClick;
    Script s;
    s.then(command(kCmdAdd))
        .then(entry("x", "y", [&](HWND d) {
            prompt1 = fieldText(d, kIdSource);
            prompt2 = fieldText(d, kIdReplacement);
            SendMessageA(GetDlgItem(d, kIdSource), WM_LBUTTONDOWN, MK_LBUTTON, 0);
            SendMessageA(GetDlgItem(d, kIdSource), WM_LBUTTONUP, 0, 0);
            afterClick = fieldText(d, kIdSource);
        }))
        .then(command(kIdOk));
    show(s);
    // the fields start with the column headers as prompts, not with the popup's "Přidat"
    EXPECT_EQ(prompt1, czech(2));
    EXPECT_EQ(prompt2, czech(3));
    EXPECT_EQ(afterClick, "");    // a click into a field empties it
    EXPECT_EQ(readDataFile(), tableFile({{'a', 'b'}, {'x', 'y'}}));
    EXPECT_EQ(convert("xa"), "yb"); // the table in memory took the rows too
    EXPECT_TRUE(lib->boxes().empty());
}

TEST_F(Window, InvalidEntryIsRefusedAndTheGridKeepsItsRows) {
    open(tableFile({{'a', 'b'}}));
    std::vector<std::pair<std::string, std::string>> rows;
    Script s;
    s.then(command(kCmdAdd))
        .then(entry(std::nullopt, "y")) // the prompt text of the source field was left there
        .then(command(kCmdAdd))
        .then(entry("", "y"))
        .then(command(kCmdAdd))
        .then(entry("x", "yz")) // more than one character
        .then(look([&] { rows = gridRows(); }))
        .then(command(kIdOk));
    show(s);
    ASSERT_EQ(lib->boxes().size(), 3u);
    for (const Box& b : lib->boxes()) {
        EXPECT_EQ(b.text, czech(8));
        EXPECT_EQ(b.caption, czech(9));
        EXPECT_EQ(b.flags, UINT(MB_ICONERROR));
    }
    EXPECT_EQ(rows, (std::vector<std::pair<std::string, std::string>>{{"a", "b"}}));
    EXPECT_EQ(readDataFile(), tableFile({{'a', 'b'}}));
}

TEST_F(Window, EditRewritesTheCurrentRowAndDeleteRemovesIt) {
    open(tableFile({{'a', 'b'}, {'c', 'd'}, {'e', 'f'}, {'g', 'h'}}));
    std::string editPrompt1, editPrompt2;
    std::vector<std::pair<std::string, std::string>> afterUnchanged;
    Script s;
    s.then(selectRow(1))
        .then(command(kCmdEdit))
        .then(entry(std::nullopt, std::nullopt, [&](HWND d) {
            editPrompt1 = fieldText(d, kIdSource); // the row's cells, not the prompts
            editPrompt2 = fieldText(d, kIdReplacement);
        }))
        .then(look([&] { afterUnchanged = gridRows(); }))
        .then(selectRow(2))
        .then(command(kCmdEdit))
        .then(entry("E", "F"))
        .then(selectRow(0))
        .then(command(kCmdDelete))
        .then(command(kIdOk));
    show(s);
    EXPECT_EQ(editPrompt1, "c");
    EXPECT_EQ(editPrompt2, "d");
    EXPECT_EQ(afterUnchanged,
              (std::vector<std::pair<std::string, std::string>>{{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}}));
    EXPECT_EQ(readDataFile(), tableFile({{'c', 'd'}, {'E', 'F'}, {'g', 'h'}}));
    EXPECT_TRUE(lib->boxes().empty());
}

TEST_F(Window, CloseBoxDiscardsTheChanges) {
    const std::string table = tableFile({{'a', 'b'}, {'c', 'd'}});
    open(table);
    std::vector<std::pair<std::string, std::string>> reopened;
    Script s;
    s.then(command(kCmdDelete)).then(command(kCmdAdd)).then(entry("x", "y"))
        .then(whenConverter([] { PostMessageA(converter(), WM_CLOSE, 0, 0); }));
    show(s);
    EXPECT_EQ(readDataFile(), table);
    EXPECT_EQ(convert("ac"), "bd");
    Script again;
    again.then(look([&] { reopened = gridRows(); }))
        .then(whenConverter([] { PostMessageA(converter(), WM_CLOSE, 0, 0); }));
    show(again);
    EXPECT_EQ(reopened, (std::vector<std::pair<std::string, std::string>>{{"a", "b"}, {"c", "d"}}));
}

TEST_F(Window, OkWithoutEntriesWarnsAndEmptiesTheTable) {
    open(tableFile({{'a', 'b'}, {'c', 'd'}}));
    Script s;
    s.then(command(kCmdDelete)).then(command(kCmdDelete)).then(command(kCmdDelete)) // one more: nothing
        .then(command(kCmdEdit)) // nothing to edit: no dialog
        .then(command(kIdOk));
    show(s);
    ASSERT_EQ(lib->boxes().size(), 1u);
    EXPECT_EQ(lib->boxes()[0].text, czech(10));
    EXPECT_EQ(lib->boxes()[0].caption, czech(11));
    EXPECT_EQ(lib->boxes()[0].flags, UINT(MB_ICONERROR));
    EXPECT_EQ(readDataFile(), std::string());
    EXPECT_EQ(convert("ac"), "ac");
}

TEST_F(Window, DuplicateSourceIsKeptButTheUpperRowWins) {
    open(tableFile({{'a', 'x'}}));
    Script s;
    s.then(command(kCmdAdd)).then(entry("a", "y")).then(command(kIdOk));
    show(s);
    EXPECT_EQ(readDataFile(), tableFile({{'a', 'x'}, {'a', 'y'}}));
    EXPECT_EQ(convert("aa"), "xx");
}

TEST_F(Window, FailedSaveIsReportedAndTheWindowStaysOpen) {
    open(tableFile({{'a', 'b'}}));
    // a folder where the file should be, beside the program and in the data folder: the table
    // cannot be written anywhere
    DeleteFileA(dataFilePath().c_str());
    ASSERT_TRUE(CreateDirectoryA(dataFilePath().c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(userFilePath().c_str(), nullptr));
    bool stillOpen = false;
    Script s;
    s.then(command(kCmdAdd)).then(entry("x", "y")).then(command(kIdOk))
        .then(look([&] { stillOpen = true; }))
        .then(whenConverter([] { PostMessageA(converter(), WM_CLOSE, 0, 0); }));
    show(s);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(lib->boxes().size(), 1u);
    EXPECT_EQ(lib->boxes()[0].caption, "Notavo");
    EXPECT_EQ(lib->boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));
    EXPECT_EQ(lib->boxes()[0].owner, owner.frame());
    // the file by its path, and the cause in the language library's words (lang.cs.dll)
    EXPECT_EQ(lib->boxes()[0].text.rfind(dataFilePath() + "\n\n" +
                                             language::czechExtraTexts()[language::xCauseDenied], 0), 0u)
        << lib->boxes()[0].text;
    EXPECT_EQ(convert("x"), "y"); // the table in memory already holds the grid's rows
    RemoveDirectoryA(dataFilePath().c_str());
    RemoveDirectoryA(userFilePath().c_str());
}

TEST_F(Window, ProgramFolderThatRefusesTheTableMakesItTheUsersOwn) {
    const std::string shipped = tableFile({{'a', 'b'}});
    open(shipped);
    // a read-only table beside the program stands for a folder the user may not write to
    ASSERT_TRUE(SetFileAttributesA(dataFilePath().c_str(), FILE_ATTRIBUTE_READONLY));
    Script s;
    s.then(command(kCmdAdd)).then(entry("x", "y")).then(command(kIdOk));
    show(s);
    SetFileAttributesA(dataFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(lib->boxes().empty()) << lib->boxes()[0].text;
    EXPECT_EQ(readDataFile(), shipped); // the program's own table is as it was installed
    EXPECT_EQ(readUserFile(), tableFile({{'a', 'b'}, {'x', 'y'}}));
    EXPECT_EQ(convert("xa"), "yb");
}

TEST_F(Window, UsersOwnCopyIsReadAtStartAndWrittenFromThenOn) {
    const std::string shipped = tableFile({{'a', 'b'}});
    open(shipped, tableFile({{'c', 'd'}}));
    std::vector<std::pair<std::string, std::string>> rows;
    Script s;
    s.then(look([&] { rows = gridRows(); })).then(command(kCmdAdd)).then(entry("e", "f")).then(command(kIdOk));
    show(s);
    EXPECT_EQ(rows, (std::vector<std::pair<std::string, std::string>>{{"c", "d"}}));
    EXPECT_TRUE(lib->boxes().empty());
    // the program's folder could take it now, but the user's table stays the user's
    EXPECT_EQ(readDataFile(), shipped);
    EXPECT_EQ(readUserFile(), tableFile({{'c', 'd'}, {'e', 'f'}}));
    EXPECT_EQ(convert("cea"), "dfa");
}

TEST_F(Window, ShortLanguageListFallsBackOnCzechInTheWindow) {
    open(tableFile({{'a', 'b'}}));
    lib->predejKnihovnu((testFolder() + "conv-short.dll").c_str());
    std::string h0, h1;
    Script s;
    s.then(look([&] {
         h0 = header(0);
         h1 = header(1);
     }))
        .then(whenConverter([] { PostMessageA(converter(), WM_CLOSE, 0, 0); }));
    show(s);
    EXPECT_EQ(h0, "K2"); // the library's own
    EXPECT_EQ(h1, "K3");
    lib->predejKnihovnu((testFolder() + "conv-short.dll").c_str()); // again: the same texts
    Script again;
    std::string add;
    again.then(command(kCmdAdd))
        .then(entry("x", std::nullopt, [&](HWND d) { add = fieldText(d, kIdReplacement); }))
        .then(whenConverter([] { PostMessageA(converter(), WM_CLOSE, 0, 0); }));
    show(again);
    EXPECT_EQ(add, "K3"); // the replacement field's prompt is the library's column header
    ASSERT_EQ(lib->boxes().size(), 1u); // "K3" in the replacement field is too long
    EXPECT_EQ(lib->boxes()[0].text, czech(8)); // text 8 is beyond the library's five
}

// A 1 MB table of half a million entries, nearly all of them repeating one source: the window
// opens with every entry (the grid asks only for the rows it shows), the first entry of each
// byte is the one that converts, and OK writes the same megabyte back.
TEST_F(Window, AMegabyteTableOpensWholeAndItsFirstEntriesConvert) {
    std::string table = tableFile({{'a', 'x'}});
    while (table.size() < (1u << 20) - 2) table += "aq";
    table += "by"; // the only entry for 'b' is the last row
    open(table);
    int count = 0;
    std::vector<std::pair<std::string, std::string>> rows;
    Script s;
    s.then(look([&] {
         count = static_cast<int>(SendMessageA(grid(), LVM_GETITEMCOUNT, 0, 0));
         for (int i : {0, 1, count - 1}) {
             char a[8] = {}, b[8] = {};
             LVITEMA it{};
             it.pszText = a;
             it.cchTextMax = sizeof a;
             SendMessageA(grid(), LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&it));
             it.iSubItem = 1;
             it.pszText = b;
             SendMessageA(grid(), LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&it));
             rows.emplace_back(a, b);
         }
     }))
        .then(command(kIdOk));
    show(s);
    EXPECT_EQ(count, 1 << 19);
    EXPECT_EQ(rows, (std::vector<std::pair<std::string, std::string>>{{"a", "x"}, {"a", "q"}, {"b", "y"}}));
    EXPECT_EQ(readDataFile(), table);
    EXPECT_EQ(convert("abc"), "xyc");
}
