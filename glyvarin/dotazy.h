// glyvarin/dotazy.h — the library's message boxes, through one seam tests can script
#pragma once
#include <windows.h>

#include "glyvarin/glyvarin.h"

#include <string>

namespace glyvarin {

// A message box: the one nastavDotazy installed, else the program's Win32 prompts.
int messageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);
// The general error report (owner: the main window, caption: the application title, OK and
// the error icon, a full stop added by the usual rule), through messageBox.
void reportError(const std::string& text);
void setMessageBoxHook(GlyvarinMessageBox fn, void* context);

} // namespace glyvarin
