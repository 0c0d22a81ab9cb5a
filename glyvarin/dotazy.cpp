// glyvarin/dotazy.cpp — the library's message boxes, through one seam tests can script
#include "glyvarin/dotazy.h"

#include "ui/errors.h"
#include "ui/prompts.h"
#include "ui/text.h"

namespace glyvarin {
namespace {

GlyvarinMessageBox gHook = nullptr;
void* gContext = nullptr;

} // namespace

int messageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    if (gHook) return gHook(gContext, owner, text.c_str(), caption.c_str(), flags);
    return ui::prompts().messageBox(owner, text, caption, flags);
}

void reportError(const std::string& text) {
    messageBox(ui::appWindow(), ui::withFullStop(text), ui::appTitle(), MB_OK | MB_ICONERROR);
}

void setMessageBoxHook(GlyvarinMessageBox fn, void* context) {
    gHook = fn;
    gContext = fn ? context : nullptr;
}

} // namespace glyvarin
