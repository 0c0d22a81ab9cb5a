// bench/bench_util.h — what the benchmarks share: waiting until the windows are idle, scratch folders
#pragma once
#include <windows.h>

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

} // namespace bench
