// bench/bench_util.h — what the benchmarks share: waiting until the windows are idle, scratch folders
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

namespace bench {

// Pumps until nothing is waiting three times in a row: every window has painted.
inline void pumpUntilIdle() {
    for (int quiet = 0; quiet < 3;) {
        MSG m;
        if (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
            quiet = 0;
        } else {
            ++quiet;
            Sleep(0);
        }
    }
}

// A new folder under %TEMP% named `name` and the process id, with its trailing separator.
inline std::string tempFolder(const char* name) {
    char base[MAX_PATH + 1];
    GetTempPathA(sizeof base, base);
    std::string f = std::string(base) + name + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(f.c_str(), nullptr);
    return f;
}

// Milliseconds from this process's creation until now: start-up as the user waits for it,
// the loader and the libraries included.
inline double msSinceProcessStart() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now); // Wine: to the microsecond; Windows: to the tick
    const auto ticks = [](const FILETIME& f) { return (static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

// Runs `commandLine` (a program of the bench folder and its arguments) and returns what it
// printed on its standard output; empty when it could not start.
inline std::string runAndRead(std::string commandLine) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) return {};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    const bool started =
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    std::string out;
    char buf[256];
    DWORD got = 0;
    while (started && ReadFile(readEnd, buf, sizeof buf, &got, nullptr) && got) out.append(buf, got);
    CloseHandle(readEnd);
    if (!started) return {};
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return out;
}

// One row of the table `make bench` prints (scripts/bench.sh gathers the rows of every
// benchmark): an operation, what it took, its anchor measured in the same run and what that
// took, the unit, and the target ratio (0: none). Other output lines are notes under the table.
inline void row(const std::string& operation, double ours, const std::string& anchor, double reference,
                const char* unit, double target) {
    std::printf("@row\t%s\t%.4f\t%s\t%.4f\t%s\t%.2f\n", operation.c_str(), ours, anchor.c_str(), reference, unit,
                target);
    std::fflush(stdout);
}

} // namespace bench
