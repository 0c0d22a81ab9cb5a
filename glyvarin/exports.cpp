// glyvarin/exports.cpp — the exports of glyvarin.dll and its start-up
#include <windows.h>

#include "glyvarin/conversion.h"
#include "glyvarin/dotazy.h"
#include "glyvarin/glyvarin.h"
#include "glyvarin/okno.h"
#include "glyvarin/prevod.h"
#include "ui/errors.h"

using glyvarin::prevod;

namespace {

// Every export has its own wall: nothing C++ crosses into the program. An unexpected failure
// becomes the general error report.
template <class F> void exportWall(F&& f) noexcept {
    try {
        f();
    } catch (const std::exception& e) {
        try {
            glyvarin::reportError(e.what());
        } catch (...) {
        }
    } catch (...) {
    }
}

// The report of a data file missing at start-up waits for the first call that can show it; the
// Czech texts stand in while no language library has given its own.
bool reportedFileProblem() {
    prevod().adoptUserTable();
    return prevod().reportPending();
}

} // namespace

extern "C" {

void PrevestZnaky(HWND statusBar, HWND richEdit) {
    exportWall([&] {
        if (reportedFileProblem()) return;
        glyvarin::convertDocument(statusBar, richEdit, glyvarin::buildLookup(prevod().table),
                                  prevod().text(glyvarin::kStatusStart), prevod().text(glyvarin::kStatusEnd));
    });
}

void zobraz(void) {
    exportWall([&] {
        if (reportedFileProblem()) return;
        if (glyvarin::conversionRunning()) return;
        glyvarin::TPrevodnik window(prevod());
        window.run();
    });
}

void predejKnihovnu(const char* path) {
    exportWall([&] {
        prevod().fetchTexts(path ? path : "");
        reportedFileProblem();
    });
}

void predejKomponentu(HWND mainWindow) {
    exportWall([&] {
        prevod().owner = mainWindow;
        ui::setAppWindow(mainWindow);
    });
}

void nastavDotazy(GlyvarinMessageBox fn, void* context) { glyvarin::setMessageBoxHook(fn, context); }

void nastavSlozkuDat(const char* folder) {
    exportWall([&] { prevod().userFolder = folder ? folder : ""; });
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        // only file reading here: the loader lock is held, so nothing is shown yet
        try {
            ui::setAppTitle("Notavo");
            prevod().load();
        } catch (...) {
        }
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {
        glyvarin::unregisterWindowClasses(); // unloaded by FreeLibrary; the process goes on
    }
    return TRUE;
}

} // extern "C"
