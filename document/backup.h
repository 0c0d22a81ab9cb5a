// document/backup.h — backup copies on disk: the data folder and writing one copy safely
#pragma once
#include <string>
#include <string_view>

namespace document {

// Creates the two levels of the data folder ("...\Mirabund\" and "...\Mirabund\Notavo\" in the
// program; the last two levels of `dataFolder` in general) when they are missing. Failures are
// not reported here: they show up as a failure to write the copy.
void makeDataFolder(const std::string& dataFolder);

// True when anything (a file or a folder) has that path: a copy's name must be free of both.
bool nameTaken(const std::string& path);

// Writes `bytes` as a new copy in `folder` (with its separator) under `name`, or under a name
// grown from it by whole name parts if a file of that name appears meanwhile. The bytes go to
// a temporary file first, are flushed, and the file is then renamed to the copy's name without
// replacing anything: a copy is either complete or absent. Returns the full path of the copy;
// throws AppError naming the copy when it cannot be written.
std::string writeBackupCopy(const std::string& folder, std::string name, std::string_view bytes);

} // namespace document
