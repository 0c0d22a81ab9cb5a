// document/rtfguard.h — RTF reaches a document's rich-edit control only when the control can
// read it: from a file, a reopened backup copy or the clipboard
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace document {

// The text to give the control for the RTF file `path`: nullopt for `rtf` as it is, else the
// truncated text made whole (the file is damaged; *truncated is then set) or a table row left
// open ended. Throws AppError naming the file and the
// cause in `texts` (the extra texts) when the control cannot read it.
std::optional<std::string> rtfForControl(const std::string& path, std::string_view rtf,
                                         const std::vector<std::string>& texts, bool* truncated = nullptr);

// The paste check of a document's control: false, after saying why, for RTF it cannot read.
bool pastedRtfReadable(std::string_view rtf, const std::vector<std::string>& texts);

} // namespace document
