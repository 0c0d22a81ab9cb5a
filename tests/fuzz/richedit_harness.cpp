// tests/fuzz/richedit_harness.cpp — feeds RTF files to the real rich-edit control the way a
// document window opens them (the guard's check, then ui::RichEdit::loadRtf into a fresh
// control), under Wine: a file that still ends the process is one the guard lets through. The
// control has no fuzzing entry of its own and a fault ends the process, so the harness names
// each file in a progress file before it streams it in: the last name there when the process
// died is the file that ended it. tests/fuzz/richedit_fuzz.sh mutates seeds and drives it.
//   richedit_harness PROGRESS FILE...
//   richedit_harness --raw PROGRESS FILE...   without the guard (to see what the control takes)
// Exit 0: every file was read (accepted or rejected by the control) without a fault.
#include <windows.h>

#include "rtf/control_check.h"
#include "ui/files.h"
#include "ui/richedit.h"

#include <cstdio>
#include <string>

// A fault ends the process at once with exit code 99 (no debugger is started for it).
LONG WINAPI endAtFault(EXCEPTION_POINTERS*) {
    TerminateProcess(GetCurrentProcess(), 99);
    return EXCEPTION_EXECUTE_HANDLER;
}

int main(int argc, char** argv) {
    const bool raw = argc > 1 && std::string(argv[1]) == "--raw";
    if (raw) --argc, ++argv;
    if (argc < 3) return 2;
    SetUnhandledExceptionFilter(endAtFault);
    ui::RichEdit::loadLibrary();
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    for (int i = 2; i < argc; ++i) {
        if (FILE* p = std::fopen(argv[1], "wb")) {
            std::fputs(argv[i], p);
            std::fclose(p);
        }
        std::string bytes;
        try {
            bytes = ui::readFile(argv[i]);
        } catch (...) {
            continue;
        }
        const rtf::ControlCheck check = rtf::checkForControl(bytes);
        if (!raw && !check.safe()) {
            std::printf("refused %s %d\n", argv[i], static_cast<int>(check.kind));
            continue;
        }
        ui::RichEdit edit;
        edit.create(parent, 1);
        const bool taken = edit.loadRtf(raw ? bytes : rtf::closeGroups(bytes, check));
        std::printf("%s %s %ld\n", taken ? "taken" : "rejected", argv[i], edit.textLength());
        std::fflush(stdout);
        DestroyWindow(edit.hwnd());
    }
    if (FILE* p = std::fopen(argv[1], "wb")) std::fclose(p);
    return 0;
}
