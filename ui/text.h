// ui/text.h — small string rules shared by every module (no Win32 needed)
#pragma once
#include <string>
#include <string_view>

namespace ui {

// Appends a full stop when the text ends in a character whose code is above '.' (error reports).
std::string withFullStop(std::string text);

// A report about a file: its path, an empty line, then the cause.
std::string aboutFile(std::string_view path, std::string_view cause);

// The file's name without its folder: the text after the last '\', '/' or ':'.
std::string baseName(std::string_view path);

// The folder of a path including its trailing separator; empty when there is none.
std::string folderOf(std::string_view path);

// The extension: the text from the last '.' that follows the last '\', '/' or ':' ("" if none).
std::string extensionOf(std::string_view path);

// The path with its extension replaced (or added) by `ext`, which includes the dot.
std::string withExtension(std::string_view path, std::string_view ext);

// ASCII-only case-insensitive equality (section and key names of the settings file).
bool equalsNoCase(std::string_view a, std::string_view b);

// Parses a whole decimal integer ("-5", "643"), or hexadecimal after '$'; nothing else.
bool parseInt(std::string_view text, long long& out);

} // namespace ui
