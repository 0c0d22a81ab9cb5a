// document/backup.cpp — backup copies on disk: the data folder, writing one copy safely, the
// owners of copies and what kills left behind
#include "document/backup.h"

#include <windows.h>

#include "ui/errors.h"
#include "ui/files.h"
#include "ui/text.h"
#include "ui/unique.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

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

bool alreadyThere(DWORD error) { return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS; }

// Writes a new file (never one that exists) and flushes it; false with the last error set when
// the name is taken, AppError for any other failure.
bool writeNew(const std::string& path, std::string_view bytes) {
    ui::UniqueFile f{CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!f) {
        const DWORD error = GetLastError();
        if (alreadyThere(error)) return false;
        ui::throwLastError(error);
    }
    ui::writeAll(f.get(), bytes);
    if (!FlushFileBuffers(f.get())) ui::throwLastError();
    return true;
}

std::string writeCopy(const std::string& folder, std::string name, std::string_view bytes, CopyRecord record) {
    record.size = bytes.size();
    record.hash = contentHash(bytes);
    const std::string text = recordText(record);
    const auto taken = [&](const std::string& n) {
        return nameTaken(folder + n) || nameTaken(folder + recordNameOf(n)) || nameTaken(folder + temporaryNameOf(n));
    };
    for (;; name = MakeBackupName(std::move(name))) {
        name = settleBackupName(std::move(name), taken);
        const std::string path = folder + name, rec = folder + recordNameOf(name), tmp = folder + temporaryNameOf(name);
        // the record first: whatever a kill leaves after it, the next start can tell its state
        if (!writeNew(rec, text)) continue; // appeared meanwhile: another name
        ui::ScopeExit dropRecord{[&] { DeleteFileA(rec.c_str()); }};
        {
            ui::ScopeExit dropTmp{[&] { DeleteFileA(tmp.c_str()); }};
            if (!writeNew(tmp, bytes)) { // not ours: leave it
                dropTmp.dismiss();
                continue;
            }
            if (MoveFileExA(tmp.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
                dropTmp.dismiss();
                dropRecord.dismiss();
                return path;
            }
            const DWORD error = GetLastError();
            // a file of that name appeared between the test and the rename: never replace it
            if (!alreadyThere(error)) ui::throwLastError(error);
        }
    }
}

enum class Read { Done, InUse, Missing };

// Reads a file nobody is writing: one held open for writing (a record or a copy still being
// made) is in use.
Read readFree(const std::string& path, std::string& out) {
    ui::UniqueFile f{
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!f) return GetLastError() == ERROR_SHARING_VIOLATION ? Read::InUse : Read::Missing;
    out.clear();
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(f.get(), buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
    return Read::Done;
}

std::string lowerExtension(const std::string& name) {
    std::string ext = ui::extensionOf(name);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

// Part of the copies: a copy, a record, a temporary file or a lock.
bool copiesFile(const std::string& name) {
    const std::string ext = lowerExtension(name);
    return ext == kBackupExtension || ext == kRecordExtension || ext == kTemporaryExtension || ext == kOwnerExtension;
}

std::string stemOf(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

} // namespace

std::string writeBackupCopy(const std::string& folder, std::string name, std::string_view bytes, CopyRecord record) {
    try {
        return writeCopy(folder, name, bytes, std::move(record));
    } catch (const ui::AppError& e) {
        throw ui::AppError(ui::aboutFile(folder + name, e.what()));
    }
}

bool deleteBackupCopy(const std::string& path) {
    if (!ui::deleteFile(path) && nameTaken(path)) return false;
    // the record goes last: a kill between the two leaves a record without its copy, which the
    // next start clears
    ui::deleteFile(ui::folderOf(path) + recordNameOf(ui::baseName(path)));
    return true;
}

void reownBackupCopy(const std::string& path, CopyRecord record) {
    const std::string bytes = ui::readFile(path);
    record.size = bytes.size();
    record.hash = contentHash(bytes);
    ui::writeFileReplacing(ui::folderOf(path) + recordNameOf(ui::baseName(path)), recordText(record));
}

namespace {
// No sharing at all: another instance's probe fails while this run lives; the system closes the
// handle when the process ends, however it ends, and the file goes with it.
HANDLE openLock(const std::string& path, DWORD disposition) {
    return CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}
} // namespace

BackupOwner::BackupOwner(const std::string& dataFolder) : folder_(dataFolder) {
    makeDataFolder(folder_);
    for (int attempt = 0; attempt < 16; ++attempt) {
        id_ = newOwnerId();
        HANDLE h = openLock(folder_ + id_ + std::string(kOwnerExtension), CREATE_NEW);
        if (h != INVALID_HANDLE_VALUE) {
            lock_ = h;
            return;
        }
        if (!alreadyThere(GetLastError())) return; // none to be had now: claim() tries again
    }
}

void BackupOwner::claim() {
    if (lock_) return;
    HANDLE h = openLock(folder_ + id_ + std::string(kOwnerExtension), OPEN_ALWAYS);
    if (h != INVALID_HANDLE_VALUE) lock_ = h;
}

BackupOwner::~BackupOwner() { release(); }

void BackupOwner::release() {
    if (!lock_) return;
    CloseHandle(lock_);
    lock_ = nullptr;
    DeleteFileA((folder_ + id_ + std::string(kOwnerExtension)).c_str()); // where closing does not delete it
}

bool ownerAlive(const std::string& dataFolder, const std::string& owner) {
    const std::string lock = dataFolder + owner + std::string(kOwnerExtension);
    HANDLE h = CreateFileA(lock.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) { // nobody holds it: left by an owner that is gone
        CloseHandle(h);
        return false;
    }
    const DWORD error = GetLastError();
    // held open, or being deleted by an owner that is ending normally (and clearing its copies)
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

std::vector<LeftDocument> findLeftDocuments(const std::string& folder, const std::string& self) {
    std::map<std::string, bool> alive;
    const auto isAlive = [&](const std::string& owner) {
        if (owner == self) return true;
        const auto at = alive.find(owner);
        if (at != alive.end()) return at->second;
        return alive[owner] = ownerAlive(folder, owner);
    };
    bool othersRun = false;
    for (const auto& lock : ui::listEntries(folder + "*" + std::string(kOwnerExtension), false)) {
        const std::string owner = stemOf(lock);
        if (owner == self) continue;
        if (isAlive(owner)) othersRun = true;
        else ui::deleteFile(folder + lock); // a stale lock where the system does not delete it
    }

    std::map<std::string, CopyRecord> records; // copies of gone owners, by copy name
    std::set<std::string> notOffered;          // copies of live owners, and copies being written
    std::string text;
    for (const auto& rec : ui::listEntries(folder + "*" + std::string(kRecordExtension), false)) {
        const std::string copy = copyNameOfRecord(rec);
        const std::string tmp = folder + temporaryNameOf(copy);
        if (readFree(folder + rec, text) != Read::Done) {
            notOffered.insert(copy); // still being written
            continue;
        }
        const auto record = parseRecord(text);
        if (record && isAlive(record->owner)) {
            notOffered.insert(copy);
            continue;
        }
        if (record && !nameTaken(folder + copy)) {
            // killed before the rename: a temporary file that is whole is the copy
            std::string bytes;
            if (readFree(tmp, bytes) == Read::Done && bytes.size() == record->size &&
                contentHash(bytes) == record->hash && MoveFileExA(tmp.c_str(), (folder + copy).c_str(), MOVEFILE_WRITE_THROUGH)) {
                records[copy] = *record;
                continue;
            }
        }
        if (record && nameTaken(folder + copy)) {
            records[copy] = *record;
            continue;
        }
        // a torn record, or one whose copy never came or is gone: nothing of it is worth keeping
        ui::deleteFile(tmp);
        ui::deleteFile(folder + rec);
    }
    if (!othersRun) {
        // temporary files without a record: torn writes of older versions, of the settings
        // file; one still open for writing cannot be deleted and stays
        for (const auto& tmp : ui::listEntries(folder + "*" + std::string(kTemporaryExtension), false))
            if (!nameTaken(folder + stemOf(tmp) + std::string(kRecordExtension))) ui::deleteFile(folder + tmp);
    }

    std::vector<LeftDocument> left;
    std::map<std::string, std::size_t> byDocument; // owner and document -> index in `left`
    std::map<std::string, std::vector<std::pair<std::uint64_t, std::string>>> sequences;
    for (const auto& name : ui::listEntries(folder + "*" + std::string(kBackupExtension), false)) {
        if (notOffered.count(name)) continue;
        const auto at = records.find(name);
        if (at == records.end()) { // a copy of an older version: a document of its own
            left.push_back({{folder + name}, ""});
            continue;
        }
        const std::string key = at->second.owner + "/" + std::to_string(at->second.document);
        auto [slot, fresh] = byDocument.try_emplace(key, left.size());
        if (fresh) left.push_back({});
        sequences[key].emplace_back(at->second.sequence, name);
    }
    for (auto& [key, copies] : sequences) {
        std::sort(copies.begin(), copies.end());
        LeftDocument& doc = left[byDocument[key]];
        for (const auto& c : copies) doc.copies.push_back(folder + c.second);
        doc.file = records[copies.back().second].file;
    }
    return left;
}

void clearOwnFiles(const std::string& folder, const std::string& self, const std::string& keep) {
    std::string text;
    for (const auto& rec : ui::listEntries(folder + "*" + std::string(kRecordExtension), false)) {
        if (readFree(folder + rec, text) != Read::Done) continue;
        const auto record = parseRecord(text);
        if (record && record->owner == self) deleteBackupCopy(folder + copyNameOfRecord(rec));
    }
    deleteStrays(folder, keep);
}

void deleteStrays(const std::string& folder, const std::string& keep) {
    for (const auto& name : ui::listEntries(folder + "*.*", false))
        if (name != keep && !copiesFile(name)) ui::deleteFile(folder + name);
}

} // namespace document
