// lang/extra.h — texts of the newer commands and messages: the optional list export
// "dejMenuDalsi" of a language library, with the Czech texts for what a library does not give
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace language {

// Entries of "dejMenuDalsi" by index; new entries go at the end.
enum ExtraText : std::size_t {
    xUndo, xRedo, xSelectAll, xFind, xFindNext, xReplace,
    xNotFound,        // followed by the text searched for
    xFindCaption,     // caption of the search's message boxes
    xWrappedToStart,  // status panel 0: the search went on from the start
    xWrappedToEnd,    // ... from the end, searching backwards
    xReplacedCount,   // status panel 0, followed by the number of replacements
    xLine, xColumn,   // status panel 2: "Řádek 3, sloupec 5"
    xRecentMissing,   // before the path of a recent file that no longer exists
    xRecentCaption,
    xAllFilesFilter,  // appended to the open dialog's filter
    xEncodingLabel,   // the label of the save dialog's encoding list
    xEncCp1250, xEncUtf8, xEncUtf8Bom, xEncUtf16,
    xLossyQuestion,   // a Windows-1250 text holds characters the code page cannot write
    xLossyCaption,
    xRichText,        // status panel 3 for a formatted document
    xBackupFailed,    // before the caption of a document whose backup copy failed
    xBackupRetry,     // after the error: the copies are tried again
    xBackupFailing,   // status panel 0 while copies keep failing
    // after a file's path: why the file is not opened, or opened damaged
    xRtfTooDeep, xRtfLongWord, xRtfTruncated,
    xRtfPasteUnsafe,  // the clipboard's RTF is not pasted, its plain text is
    xLanguageDamaged, // after the paths of language libraries passed over because they do harm
    // the recovery question, after its own text: the files the copies belong to, one a line
    xRecoveryFiles, xRecoveryUntitled, xRecoveryMore,
    xRecoveryKept,    // copies left unopened for want of a free window, followed by their number
    xRtfBadTable,     // after a file's path: a table row the control cannot read
    xLoadProgress,    // status panel 0 while a file loads, followed by the percentage and " %"
    xLoadStopHint,    // after the percentage: how to stop the load
    xLongLinesUnwrapped, // status panel 0 after a text with lines too long to wrap was opened
    xFilesNotOpened,  // after the no-free-window warning: the files left, followed by their number
    // why a file could not be read or written, after its path
    xCauseNotFound, xCauseFolderGone, xCauseLocked, xCauseDenied, xCauseDiskFull, xCauseWriteProtected,
    kExtraTextCount
};

// The Czech texts, one per ExtraText.
const std::vector<std::string>& czechExtraTexts();

// `given` (what a library gave, possibly nothing or fewer entries) completed to
// kExtraTextCount entries with the Czech texts.
std::vector<std::string> completeExtraTexts(std::vector<std::string> given);

} // namespace language
