// files/files.cpp — EditorZavrit, the export of files.dll
#include <windows.h>

#include "files/close_decision.h"
#include "files/files.h"

namespace {

files::Answer ask(const SaveDialog* d, const std::string& text, const char* caption) {
    const UINT flags = MB_YESNOCANCEL | MB_ICONQUESTION;
    const int r = d->messageBox ? d->messageBox(d->self, text.c_str(), caption, flags)
                                : MessageBoxA(nullptr, text.c_str(), caption, flags);
    switch (r) {
    case IDYES: return files::Answer::Yes;
    case IDNO: return files::Answer::No;
    case IDCANCEL: return files::Answer::Cancel;
    default: return files::Answer::Failed;
    }
}

void setClose(CloseResult* r) { *r = CloseResult{2, 1, nullptr}; }
void setStay(CloseResult* r, void* window) { *r = CloseResult{0, 0, window}; }

} // namespace

extern "C" int EditorZavrit(const TextControl* text, void* window, const SaveDialog* dialog,
                            const char* title, const char* fileName, const char* leadIn,
                            const char* boxTitle, CloseResult* result) {
    if (!text || !text->isModified || !text->writeTo || !dialog || !dialog->execute ||
        !dialog->fileName || !result)
        return ZAVRIT_BAD_ARGUMENTS;
    try {
        const bool modified = text->isModified(text->self) != 0;
        const std::string name = fileName ? fileName : "";
        files::Answer answer = files::Answer::NotAsked;
        if (modified)
            answer = ask(dialog, files::closeQuestion(leadIn ? leadIn : "", title ? title : ""),
                         boxTitle ? boxTitle : "");
        switch (files::decideClose(modified, answer, !name.empty())) {
        case files::Step::Close: setClose(result); break;
        case files::Step::WriteKnownFile:
            if (!text->writeTo(text->self, name.c_str())) return ZAVRIT_WRITE_FAILED;
            setClose(result);
            break;
        case files::Step::RunSaveDialog:
            if (!dialog->execute(dialog->self)) {
                setStay(result, window);
                break;
            }
            if (!text->writeTo(text->self, dialog->fileName(dialog->self))) return ZAVRIT_WRITE_FAILED;
            setClose(result);
            break;
        case files::Step::StayOpen: setStay(result, window); break;
        case files::Step::LeaveUntouched: result->Window = window; break;
        }
        return ZAVRIT_OK;
    } catch (...) {
        return ZAVRIT_WRITE_FAILED;
    }
}
