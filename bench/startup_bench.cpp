// bench/startup_bench.cpp — start-up to an idle main window (the start-up picture's fixed five
// seconds left out), each start a process of its own, beside a minimal MDI frame with one
// rich-edit child (mdi_frame.exe) started the same way in turns; where the time goes; and 201
// open documents.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include "app/hlavni.h"
#include "app/jpeg.h"
#include "app/resource.h"
#include "app/toolimages.h"
#include "bench/bench_util.h"
#include "lang/library.h"
#include "ui/files.h"
#include "ui/richedit.h"
#include "ui/text.h"
#include "ui/window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double peakWorkingSetMb() {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return static_cast<double>(pmc.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// Milliseconds since the process's creation at the steps of a start.
struct Steps {
    double main = 0, created = 0, idle = 0;
};

// The program's main window in this process, shown and idle; the splash closes at its first tick.
std::unique_ptr<app::Thlavni1> startNotavo(const std::string& data, Steps* steps = nullptr) {
    auto frame = std::make_unique<app::Thlavni1>(app::Paths{ui::folderOf(ui::moduleFileName()) + "Notavo.exe", data});
    frame->splashTimeMs = USER_TIMER_MINIMUM; // the fixed five seconds are not measured
    frame->onTerminate = [] {};
    if (!frame->create()) return nullptr;
    if (steps) steps->created = bench::msSinceProcessStart();
    frame->show(SW_SHOW, {});
    bench::pumpUntilIdle();
    if (steps) steps->idle = bench::msSinceProcessStart();
    return frame;
}

// `startup_bench --child DATA`: one start, from the process's creation; prints the milliseconds
// at its steps: main entered, the main window created (the splash shown and closed), idle.
int child(const std::string& data) {
    Steps s;
    s.main = bench::msSinceProcessStart();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    auto frame = startNotavo(data, &s);
    if (!frame) return 1;
    std::printf("%.1f %.1f %.1f\n", s.idle, s.main, s.created);
    std::fflush(stdout);
    ExitProcess(0); // the end is not measured, and a normal end would clear the data folder
}

// Where a start's time goes: the parts the program does at start, each measured alone here.
void parts() {
    const std::string folder = ui::folderOf(ui::moduleFileName());
    auto t = Clock::now();
    int families = 0;
    for (int i = 0; i < 5; ++i) {
        HDC dc = GetDC(nullptr);
        LOGFONTA lf{};
        lf.lfCharSet = DEFAULT_CHARSET;
        families = 0;
        EnumFontFamiliesExA(
            dc, &lf, [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lp) { return ++*reinterpret_cast<int*>(lp), 1; },
            reinterpret_cast<LPARAM>(&families), 0);
        ReleaseDC(nullptr, dc);
    }
    const double fonts = msSince(t) / 5;
    t = Clock::now();
    size_t libraries = 0;
    for (int i = 0; i < 5; ++i) {
        const auto found = language::findLibraries(folder);
        libraries = found.size();
        for (const auto& path : found) (void)language::readMainTexts(path);
    }
    const double languages = msSince(t) / 5;
    t = Clock::now();
    for (int i = 0; i < 5; ++i)
        for (int id : {IDR_SPLASH, IDR_ABOUT}) (void)app::pictureResource(id);
    const double pictures = msSince(t) / 5;
    t = Clock::now();
    for (int i = 0; i < 5; ++i) ImageList_Destroy(app::createToolImages());
    const double toolImages = msSince(t) / 5;
    std::printf("start-up parts, each alone: font list %.1f ms (%d fonts enumerated), every language library read "
                "once %.1f ms (%zu libraries), pictures decoded %.1f ms, tool button pictures drawn %.1f ms\n",
                fonts, families, languages, libraries, pictures, toolImages);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--child") return child(argv[2]);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    ui::RichEdit::loadLibrary();
    const std::string folder = ui::folderOf(ui::moduleFileName());
    const std::string data = bench::tempFolder("nvbench-data");

    constexpr int kRuns = 7;
    std::vector<double> ours, anchor, mains, createds, anchorMains;
    for (int i = 0; i < kRuns + 1; ++i) { // the first pair only warms the caches
        double a = 0, aMain = 0;
        std::sscanf(bench::runAndRead("\"" + folder + "mdi_frame.exe\"").c_str(), "%lf %lf", &a, &aMain);
        Steps s;
        std::sscanf(bench::runAndRead("\"" + ui::moduleFileName() + "\" --child \"" + data + "\"").c_str(), "%lf %lf %lf",
                    &s.idle, &s.main, &s.created);
        if (i == 0) continue;
        anchor.push_back(a);
        anchorMains.push_back(aMain);
        ours.push_back(s.idle);
        mains.push_back(s.main);
        createds.push_back(s.created);
    }
    bench::row("start-up to an idle main window", median(ours), "minimal MDI frame, one rich-edit child", median(anchor),
               "ms", 1.5);
    std::printf("start-up: a process each, median of %d starts taken in turns with the anchor; the program's code "
                "begins at %.0f ms (the anchor's at %.0f ms: the rest is loading libraries), the main window stands "
                "created, the start-up window shown and closed, at %.0f ms\n",
                kRuns, median(mains), median(anchorMains), median(createds));
    parts();

    // 201 open documents, in this process
    const std::string docs = bench::tempFolder("nvbench-docs");
    std::vector<std::string> files;
    for (int i = 0; i < 200; ++i) {
        const std::string path = docs + "dokument" + std::to_string(i) + ".rtf";
        ui::writeFileReplacing(path, "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs24 "
                                     "P\\'f8\\'edli\\'9a \\b\\'9elu\\'9dou\\'e8k\\'fd\\b0  k\\'f9\\'f2 \\'fap\\'ecl "
                                     "\\'efábelsk\\'e9 \\'f3dy.\\par}");
        files.push_back(path);
    }
    {
        auto frame = startNotavo(data);
        if (!frame) return 1;
        const double before = peakWorkingSetMb();
        const auto t = Clock::now();
        frame->dropFiles(files); // the first document is open already: 200 more fill the table
        bench::pumpUntilIdle();
        std::printf("201 documents: 200 more RTF documents opened in %.0f ms; peak working set %.1f MB after the "
                    "start, %.1f MB with 201 open\n",
                    msSince(t), before, peakWorkingSetMb());
    }
    for (const auto& f : files) DeleteFileA(f.c_str());
    for (const auto& n : ui::listEntries(data + "*", false)) DeleteFileA((data + n).c_str());
    RemoveDirectoryA(docs.c_str());
    RemoveDirectoryA(data.c_str());
    return 0;
}
