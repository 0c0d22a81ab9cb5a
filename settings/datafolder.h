// settings/datafolder.h — the data folder (settings file and backup copies) and the settings file
#pragma once
#include "settings/nastaveni_u.h"
#include "settings/recent.h"

#include <string>

namespace settings {

// The user's application-data folder followed by "Mirabund\Notavo\" (with the trailing
// separator). With `create`, the two folder levels are made when missing (failures ignored).
std::string dataFolder(bool create);

// The settings file: the data folder and the program file's name with the extension ".ini".
std::string settingsFilePath(const std::string& folder, const std::string& programPath);

// Reads the settings file in `folder`; a missing file gives the first-run defaults.
TNastaveni loadSettings(const std::string& folder, const std::string& programPath);

// Writes the settings into the file, keeping its other sections and keys, creating `folder`
// when missing. The file is replaced safely; throws AppError when it cannot be written.
void storeSettings(const TNastaveni& s, const std::string& folder, const std::string& programPath,
                   const WindowRect& current);

// The recent files of the settings file in `folder` (none without the file).
RecentFiles loadRecent(const std::string& folder, const std::string& programPath);
// Writes the recent files into their section of the settings file, keeping everything else of
// it; safely replaced, as storeSettings does. Throws AppError when it cannot be written.
void storeRecent(const RecentFiles& recent, const std::string& folder, const std::string& programPath);

} // namespace settings
