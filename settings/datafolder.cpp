// settings/datafolder.cpp — the data folder and the settings file
#include "settings/datafolder.h"

#include <windows.h>

#include <shlobj.h>

#include "ui/errors.h"
#include "ui/files.h"
#include "ui/text.h"

#include <functional>

namespace settings {

static std::string appDataFolder() {
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &pidl)) || !pidl)
        throw ui::AppError("Nelze zjistit složku s daty aplikací");
    char buf[MAX_PATH + 1] = {};
    const BOOL ok = SHGetPathFromIDListA(pidl, buf);
    CoTaskMemFree(pidl);
    if (!ok) throw ui::AppError("Nelze zjistit složku s daty aplikací");
    return buf;
}

std::string dataFolder(bool create) {
    std::string path = appDataFolder();
    if (path.empty() || path.back() != '\\') path += '\\';
    path += "Mirabund";
    if (create) ui::createFolder(path);
    path += "\\Notavo";
    if (create) ui::createFolder(path);
    return path + "\\";
}

std::string settingsFilePath(const std::string& folder, const std::string& programPath) {
    return folder + ui::withExtension(ui::baseName(programPath), ".ini");
}

TNastaveni loadSettings(const std::string& folder, const std::string& programPath) {
    TNastaveni s;
    const std::string path = settingsFilePath(folder, programPath);
    if (!ui::fileExists(path)) {
        s.load(nullptr);
        return s;
    }
    const IniDocument doc(ui::readFile(path));
    s.load(&doc);
    return s;
}

// Rewrites the settings file with what `change` sets in it; the rest of the file stays.
static void rewrite(const std::string& folder, const std::string& programPath,
                    const std::function<void(IniDocument&)>& change) {
    ui::createFolder(ui::folderOf(folder.substr(0, folder.size() - 1)));
    ui::createFolder(folder);
    const std::string path = settingsFilePath(folder, programPath);
    IniDocument doc(ui::fileExists(path) ? ui::readFile(path) : std::string());
    change(doc);
    ui::writeFileReplacing(path, doc.text());
}

void storeSettings(const TNastaveni& s, const std::string& folder, const std::string& programPath,
                   const WindowRect& current) {
    rewrite(folder, programPath, [&](IniDocument& doc) { s.store(doc, current); });
}

RecentFiles loadRecent(const std::string& folder, const std::string& programPath) {
    RecentFiles recent;
    const std::string path = settingsFilePath(folder, programPath);
    if (ui::fileExists(path)) recent.load(IniDocument(ui::readFile(path)));
    return recent;
}

void storeRecent(const RecentFiles& recent, const std::string& folder, const std::string& programPath) {
    rewrite(folder, programPath, [&](IniDocument& doc) { recent.store(doc); });
}

} // namespace settings
