// document/backup.cpp — backup copies on disk: the data folder and writing one copy safely
#include "document/backup.h"

#include <windows.h>

#include "document/backup_name.h"
#include "ui/errors.h"
#include "ui/files.h"
#include "ui/text.h"
#include "ui/unique.h"


namespace document {

void makeDataFolder(const std::string& dataFolder) {
    std::string inner = dataFolder;
    while (!inner.empty() && (inner.back() == '\\' || inner.back() == '/')) inner.pop_back();
    const std::string outer = ui::folderOf(inner);
    if (!outer.empty()) ui::createFolder(outer.substr(0, outer.size() - 1));
    ui::createFolder(inner);
}

bool nameTaken(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

namespace {

void writeWhole(const std::string& path, std::string_view bytes) {
    ui::UniqueFile f{CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                 nullptr)};
    if (!f) ui::throwLastError();
    ui::writeAll(f.get(), bytes);
    if (!FlushFileBuffers(f.get())) ui::throwLastError();
}

std::string writeCopy(const std::string& folder, std::string name, std::string_view bytes) {
    // the temporary name does not match "*.bcp": an interrupted write is never offered back
    const std::string tmp = ui::temporaryBeside(folder + name);
    ui::ScopeExit dropTmp{[&] { DeleteFileA(tmp.c_str()); }};
    writeWhole(tmp, bytes);
    for (;;) {
        name = settleBackupName(std::move(name), [&](const std::string& n) { return nameTaken(folder + n); });
        const std::string path = folder + name;
        if (MoveFileExA(tmp.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
            dropTmp.dismiss();
            return path;
        }
        const DWORD error = GetLastError();
        // a file of that name appeared between the test and the rename: never replace it
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) ui::throwLastError(error);
        name = MakeBackupName(std::move(name));
    }
}

} // namespace

std::string writeBackupCopy(const std::string& folder, std::string name, std::string_view bytes) {
    try {
        return writeCopy(folder, name, bytes);
    } catch (const ui::AppError& e) {
        throw ui::AppError(ui::aboutFile(folder + name, e.what()));
    }
}

} // namespace document
