// glyvarin/conversion.h — converting a document in the program's rich-edit control
#pragma once
#include <windows.h>

#include "glyvarin/table.h"

#include <string>

namespace glyvarin {

// Converts the selection of `richEdit`, or its whole text when nothing is selected, by `map`,
// one character for one: positions stay, every character keeps its whole character format,
// the selection (or the caret) and the scroll position come back, and no undo record is made.
// `startText` goes to panel 0 of `statusBar` first, `endText` when the conversion is complete
// (an empty document stops after the first). While it runs, pending messages are handled now
// and then; meanwhile the window that holds the control takes no input, and commands and close
// requests aimed at it are held back and delivered when the conversion has ended.
void convertDocument(HWND statusBar, HWND richEdit, const LookupMap& map, const std::string& startText,
                     const std::string& endText);

// True while a conversion runs (a second one, or the converter window, is refused then).
bool conversionRunning();

} // namespace glyvarin
