// app/main.cpp — program start: the application title, the main window, the message loop
#include <windows.h>

#include <commctrl.h>

#include "app/handover.h"
#include "app/hlavni.h"
#include "settings/datafolder.h"
#include "ui/errors.h"
#include "ui/files.h"
#include "ui/richedit.h"

#include <cstdlib>

namespace {
// How long a second start waits for the first one's main window to appear.
constexpr DWORD kWaitForFirstMs = 10000;
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    ui::setAppTitle("Notavo");
    std::vector<std::string> arguments(__argv + 1, __argv + __argc);

    // one program per user: a second start hands its files to the running one and ends
    const std::string dataFolder = settings::dataFolder(false);
    app::RunningInstance instance(dataFolder);
    if (!instance.first() && instance.handOver(app::fullPaths(arguments), kWaitForFirstMs)) return 0;

    std::unique_ptr<app::Thlavni1> frame;
    const bool started = ui::guarded(
        [&] {
            ui::RichEdit::loadLibrary();
            frame = std::make_unique<app::Thlavni1>(app::Paths{ui::moduleFileName(), dataFolder});
            frame->onWindowCreated = [&](HWND w) { instance.publish(w); };
            return frame->create();
        },
        false);
    if (!started) return 1;
    ui::guardedVoid([&] { frame->show(showCommand, arguments); });

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // the program's shortcuts come before the control's (Ctrl+I would insert a tab there)
        if (frame->translateKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
