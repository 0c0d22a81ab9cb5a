// bench/startup_bench.cpp — start-up to an idle main window, and 201 open documents: time and
// memory, beside a minimal Win32 window program measured the same way in the same run.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include "app/hlavni.h"
#include "bench/bench_util.h"
#include "ui/files.h"
#include "ui/richedit.h"
#include "ui/text.h"
#include "ui/window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

double workingSetMb() {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return static_cast<double>(pmc.PeakWorkingSetSize) / (1024.0 * 1024.0);
}


double minimalWindow() {
    const auto t = Clock::now();
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "BenchMinimal";
    RegisterClassA(&wc);
    HWND h = CreateWindowExA(0, "BenchMinimal", "Minimal", WS_OVERLAPPEDWINDOW, 277, 48, 643, 664, nullptr,
                             nullptr, wc.hInstance, nullptr);
    ShowWindow(h, SW_SHOW);
    UpdateWindow(h);
    bench::pumpUntilIdle();
    const double ms = msSince(t);
    DestroyWindow(h);
    bench::pumpUntilIdle();
    return ms;
}

struct NotavoRun {
    double startMs;
    double docsMs;
    double mbBefore, mbAfter;
};

NotavoRun notavo(const std::string& data, const std::vector<std::string>& files) {
    NotavoRun r{};
    const auto t = Clock::now();
    app::Thlavni1 frame(app::Paths{ui::folderOf(ui::moduleFileName()) + "Notavo.exe", data});
    frame.splashTimeMs = USER_TIMER_MINIMUM; // the fixed five seconds are not measured
    frame.onTerminate = [] {};
    if (!frame.create()) return r;
    frame.show(SW_SHOW, {});
    bench::pumpUntilIdle();
    r.startMs = msSince(t);
    r.mbBefore = workingSetMb();
    const auto t2 = Clock::now();
    frame.dropFiles(files); // the first document is open already: 200 more fill the table
    bench::pumpUntilIdle();
    r.docsMs = msSince(t2);
    r.mbAfter = workingSetMb();
    return r;
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    ui::RichEdit::loadLibrary();
    const std::string data = bench::tempFolder("nvbench-data");
    const std::string docs = bench::tempFolder("nvbench-docs");
    std::vector<std::string> files;
    for (int i = 0; i < 200; ++i) {
        const std::string path = docs + "dokument" + std::to_string(i) + ".rtf";
        ui::writeFileReplacing(path, "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs24 "
                                     "P\\'f8\\'edli\\'9a \\b\\'9elu\\'9dou\\'e8k\\'fd\\b0  k\\'f9\\'f2 \\'fap\\'ecl "
                                     "\\'efábelsk\\'e9 \\'f3dy.\\par}");
        files.push_back(path);
    }
    constexpr int kRuns = 5;
    std::vector<double> minimal, start, open201, mb;
    double mbBefore = 0;
    for (int i = 0; i < kRuns; ++i) {
        minimal.push_back(minimalWindow());
        const NotavoRun r = notavo(data, files);
        start.push_back(r.startMs);
        open201.push_back(r.docsMs);
        mb.push_back(r.mbAfter);
        mbBefore = r.mbBefore;
        for (const auto& n : ui::listEntries(data + "*", false)) DeleteFileA((data + n).c_str());
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("start-up and 201 documents, median of %d runs in one process (Wine, ms)\n", kRuns);
    std::printf("%-44s %10s %12s %8s\n", "operation", "Notavo", "reference", "ratio");
    std::printf("%-44s %10.1f %12.1f %8.2f\n", "start to idle main window (no splash wait)", median(start),
                median(minimal), median(start) / median(minimal));
    std::printf("%-44s %10.1f %12s %8s\n", "open 200 more RTF documents (201 open)", median(open201), "-", "-");
    std::printf("%-44s %10.1f %12s %8s\n", "peak working set after start-up (MB)", mbBefore, "-", "-");
    std::printf("%-44s %10.1f %12s %8s\n", "peak working set with 201 documents (MB)", median(mb), "-", "-");
    for (const auto& f : files) DeleteFileA(f.c_str());
    RemoveDirectoryA(docs.c_str());
    RemoveDirectoryA(data.c_str());
    return 0;
}
