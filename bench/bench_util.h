// bench/bench_util.h — what the benchmarks share: waiting until the windows are idle
#pragma once
#include <windows.h>

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

} // namespace bench
