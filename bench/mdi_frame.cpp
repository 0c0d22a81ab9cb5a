// bench/mdi_frame.cpp — the start-up anchor: a minimal MDI frame with one rich-edit child, the
// least a multiple-document editor shows. Prints the milliseconds from its process's creation to
// its windows standing painted and idle, and from its creation to its code's first line, then ends.
#include <windows.h>

#include <richedit.h>

#include "bench/bench_util.h"

#include <cstdio>

namespace {

HWND gClient = nullptr;

LRESULT CALLBACK frameProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CREATE) {
        CLIENTCREATESTRUCT ccs{nullptr, 50000};
        gClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                  0, 0, h, nullptr, GetModuleHandleA(nullptr), &ccs);
        return 0;
    }
    if (msg == WM_SIZE && gClient) {
        MoveWindow(gClient, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    }
    return DefFrameProcA(h, gClient, msg, wp, lp);
}

LRESULT CALLBACK childProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CREATE) {
        CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 0, 0, 0, 0, h,
                        reinterpret_cast<HMENU>(1), GetModuleHandleA(nullptr), nullptr);
        return 0;
    }
    if (msg == WM_SIZE) MoveWindow(GetDlgItem(h, 1), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
    return DefMDIChildProcA(h, msg, wp, lp);
}

} // namespace

int main() {
    const double entered = bench::msSinceProcessStart();
    LoadLibraryA("riched20.dll"); // the class the program's documents use
    WNDCLASSA wc{};
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.lpfnWndProc = frameProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = "BenchMdiFrame";
    RegisterClassA(&wc);
    wc.lpfnWndProc = childProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "BenchMdiChild";
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, "BenchMdiFrame", "Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 277, 48, 643,
                                 664, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(frame, SW_SHOW);
    MDICREATESTRUCTA mcs{"BenchMdiChild", "Document", wc.hInstance, CW_USEDEFAULT, CW_USEDEFAULT, 495, 381, 0, 0};
    SendMessageA(gClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs));
    UpdateWindow(frame);
    bench::pumpUntilIdle();
    std::printf("%.1f %.1f\n", bench::msSinceProcessStart(), entered);
    return 0;
}
