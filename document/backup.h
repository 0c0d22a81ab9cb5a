// document/backup.h — backup copies on disk: the data folder, writing one copy safely, the
// instance that owns a copy, and the copies left by instances that are gone
#pragma once
#include "document/backup_name.h"
#include "ui/unique.h"

#include <string>
#include <string_view>
#include <vector>

namespace document {

// Creates the two levels of the data folder ("...\Mirabund\" and "...\Mirabund\Notavo\" in the
// program; the last two levels of `dataFolder` in general) when they are missing. Failures are
// not reported here: they show up as a failure to write the copy.
void makeDataFolder(const std::string& dataFolder);

// True when anything (a file or a folder) has that path: a copy's name must be free of both.
bool nameTaken(const std::string& path);

// Writes `bytes` as a new copy in `folder` (with its separator) under `name`, or under a name
// grown from it by whole name parts if a file of that name appears meanwhile. First the copy's
// record ("name.bci", `record` with the bytes' size and hash), then the bytes to a temporary
// file ("name.tmp"), flushed and renamed to the copy's name without replacing anything: a copy
// is either complete or absent, and a kill before the rename leaves a temporary file that the
// record tells whole or torn. Returns the full path of the copy; throws AppError naming the copy
// when it cannot be written (nothing of it is left then).
std::string writeBackupCopy(const std::string& folder, std::string name, std::string_view bytes, CopyRecord record);

// Deletes a copy and then its record; false when the copy is still there.
bool deleteBackupCopy(const std::string& path);

// Gives the copy at `path` a record naming `record.owner` (replacing the one it has, or making
// one for a copy of an older version, which has none). Throws AppError when it cannot be written.
void reownBackupCopy(const std::string& path, CopyRecord record);

// This run's claim on its copies: the lock file "<id>.own" in the data folder, held open with
// no sharing until the run ends (and closed by the system when the process dies however it
// dies). Another instance tells a live owner by that file being open: a process id alone could
// be given to another process after a crash.
class BackupOwner : ui::Pinned {
public:
    explicit BackupOwner(const std::string& dataFolder);
    ~BackupOwner();
    const std::string& id() const { return id_; }
    // Makes sure the lock file is held (it could not be made at the start, or was released):
    // called before each copy is written, so that no copy names an owner that looks gone.
    void claim();
    // Ends the claim (the normal end, after the instance's copies are gone).
    void release();

private:
    std::string folder_, id_;
    void* lock_ = nullptr;
};

// True while an instance holds the lock file of `owner` in `dataFolder` open.
bool ownerAlive(const std::string& dataFolder, const std::string& owner);

// The copies of one document left behind: full paths, oldest first (the newest is the one to
// reopen; older ones are left when a kill came between a new copy and the deletion of the old),
// and the file the document belonged to ("" for an untitled document or a copy of an older
// version, which has no record).
struct LeftDocument {
    std::vector<std::string> copies;
    std::string file;
};

// The documents whose copies no live instance owns, in the order the folder lists their
// newest copies. On the way it finishes or clears what kills left half done: a copy complete
// under its temporary name becomes a copy, a torn temporary file of a gone owner goes with its
// record, a record whose copy is gone goes; temporary files without a record (older versions,
// the settings file's) go while no other instance runs. `self` is this instance's owner id.
std::vector<LeftDocument> findLeftDocuments(const std::string& dataFolder, const std::string& self);

// The normal end: deletes the copies `self` owns with their records, and every file that is no
// part of the copies (neither a copy, a record, a temporary file nor a lock) except the file
// named `keep`. Copies of other instances, live or gone, stay: they are read at a later start.
void clearOwnFiles(const std::string& dataFolder, const std::string& self, const std::string& keep);
// Deletes every file of the data folder that is no part of the copies, except `keep`.
void deleteStrays(const std::string& dataFolder, const std::string& keep);

} // namespace document
