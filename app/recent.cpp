// app/recent.cpp — the recent files in the "Soubor" menu and their commands
#include "app/recent.h"

#include <shlwapi.h>

#include "app/commands.h"
#include "app/hlavni.h"
#include "app/resource.h"
#include "lang/extra.h"
#include "settings/datafolder.h"
#include "ui/prompts.h"
#include "ui/text.h"

#include <array>
#include <utility>
#include <vector>

namespace app {

std::string recentCaption(std::size_t k, const std::string& path, unsigned width) {
    std::vector<char> shortened(width + 1, '\0');
    if (!PathCompactPathExA(shortened.data(), path.c_str(), width + 1, 0)) shortened.assign(path.begin(), path.end());
    shortened.push_back('\0');
    std::string text(1, '&');
    text += std::to_string(k + 1);
    text += ' ';
    for (const char* c = shortened.data(); *c; ++c) {
        text += *c;
        if (*c == '&') text += '&'; // a character of the name, not an access key
    }
    return text;
}

void RecentMenu::clear() {
    if (!menu_ || !shown_) return;
    for (std::size_t k = 0; k < shown_; ++k) DeleteMenu(menu_, static_cast<UINT>(IDM_POSLEDNI + k), MF_BYCOMMAND);
    // the separator of the list: the item just above the one the list stands above
    const int n = GetMenuItemCount(menu_);
    for (int i = 1; i < n; ++i)
        if (GetMenuItemID(menu_, i) == before_) {
            DeleteMenu(menu_, static_cast<UINT>(i - 1), MF_BYPOSITION);
            break;
        }
    shown_ = 0;
}

void RecentMenu::show(const settings::RecentFiles& files) {
    clear();
    if (!menu_ || files.empty()) return;
    const auto& paths = files.paths();
    for (std::size_t k = 0; k < paths.size(); ++k)
        InsertMenuA(menu_, before_, MF_BYCOMMAND | MF_STRING, IDM_POSLEDNI + k, recentCaption(k, paths[k]).c_str());
    InsertMenuA(menu_, before_, MF_BYCOMMAND | MF_SEPARATOR, 0, nullptr);
    shown_ = paths.size();
}

// --- the main window's list

void Thlavni1::fileUsed(const std::string& path) {
    char full[MAX_PATH * 4] = {};
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    const settings::RecentFiles before = recent_;
    recent_.add(n > 0 && n < sizeof full ? std::string(full, n) : path);
    // saving the newest file again changes nothing: no menu to rebuild, no file to write; the
    // files of a drop are written once, at its end (a write of the settings file is 3 to 6 ms)
    if (recent_ == before) return;
    if (dropping()) recentPending_ = true;
    else recentChanged();
}

void Thlavni1::dropEnded() {
    if (!recentPending_) return;
    recentPending_ = false;
    recentChanged();
}

void Thlavni1::recentChanged() {
    recentMenu_.show(recent_);
    try {
        settings::storeRecent(recent_, paths_.dataFolder, paths_.program);
    } catch (const std::exception&) {
        // kept in memory: the next change or the settings' store at the end writes it
    }
}

// Win32: only a path that is not there (its file or its folder) counts as gone; a drive or a
// share out of reach is tried, and its error reported, by the open itself.
static bool fileGone(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    if (a != INVALID_FILE_ATTRIBUTES) return (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const DWORD e = GetLastError();
    return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND;
}

void Thlavni1::openRecent(std::size_t k) {
    if (k >= recent_.paths().size()) return;
    const std::string path = recent_.paths()[k];
    const std::string before = StatusBar1.text(0);
    StatusBar1.setText(0, LanguageStrings[6]);
    if (fileGone(path)) {
        recent_.remove(path);
        recentChanged();
        ui::prompts().messageBox(hwnd(), ExtraTexts[language::xRecentMissing] + path,
                                 ExtraTexts[language::xRecentCaption], MB_ICONWARNING);
        StatusBar1.setText(0, LanguageStrings[5]);
        return;
    }
    const int slot = FindFreeSlot();
    if (slot < 0) {
        warnNoSlot(LanguageStrings[3]);
        return;
    }
    try {
        if (openReported(slot, path)) StatusBar1.setText(1, ui::baseName(path)); // and it is the newest now
    } catch (const ui::LoadStopped&) {
        StatusBar1.setText(0, before); // Esc: as if the command had not run
        return;
    }
    StatusBar1.setText(0, LanguageStrings[5]);
}

// --- the commands

namespace {

template <std::size_t k> void openRecent(Thlavni1& w) { w.openRecent(k); }
template <std::size_t k> bool listed(const Thlavni1& w) { return k < w.recentFiles().paths().size(); }

template <std::size_t... k> constexpr auto entries(std::index_sequence<k...>) {
    return std::array<CommandDef, sizeof...(k)>{
        CommandDef{static_cast<UINT>(IDM_POSLEDNI + k), openRecent<k>, false, listed<k>}...};
}

constexpr auto kEntries = entries(std::make_index_sequence<settings::RecentFiles::kMax>{});

} // namespace

const CommandList kRecentCommands{kEntries};

} // namespace app
