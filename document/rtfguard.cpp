// document/rtfguard.cpp — RTF reaches a document's rich-edit control only when it can read it
#include "document/rtfguard.h"

#include <windows.h>

#include "lang/extra.h"
#include "rtf/control_check.h"
#include "ui/errors.h"
#include "ui/prompts.h"
#include "ui/text.h"

namespace document {

std::optional<std::string> rtfForControl(const std::string& path, std::string_view rtf,
                                         const std::vector<std::string>& texts, bool* truncated) {
    const rtf::ControlCheck check = rtf::checkForControl(rtf);
    if (truncated) *truncated = check.kind == rtf::ControlCheck::Truncated;
    switch (check.kind) {
    case rtf::ControlCheck::Fine:
        if (check.openRow) return rtf::closeGroups(rtf, check); // the row's cells would vanish, with the rest
        return std::nullopt;
    case rtf::ControlCheck::Truncated: return rtf::closeGroups(rtf, check);
    case rtf::ControlCheck::TooDeep: throw ui::AppError(ui::aboutFile(path, texts[language::xRtfTooDeep]));
    case rtf::ControlCheck::LongWord:
    case rtf::ControlCheck::LongName: throw ui::AppError(ui::aboutFile(path, texts[language::xRtfLongWord]));
    case rtf::ControlCheck::BadTable: throw ui::AppError(ui::aboutFile(path, texts[language::xRtfBadTable]));
    }
    throw ui::AppError(ui::aboutFile(path, texts[language::xRtfLongWord])); // nothing unknown reaches the control
}

bool pastedRtfReadable(std::string_view rtf, const std::vector<std::string>& texts) {
    if (rtf::checkForControl(rtf).safe()) return true;
    ui::prompts().messageBox(ui::appWindow(), texts[language::xRtfPasteUnsafe], ui::appTitle(), MB_ICONWARNING);
    return false;
}

} // namespace document
